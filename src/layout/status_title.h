// The application title as a stage display: long layout operations show what they are
// doing in the program's taskbar text and put the program's name back at every exit.
#pragma once

#include "platform/user_interface.h"

#include <string>

namespace wyndrel::layout {

class TStatusTitle {
public:
    explicit TStatusTitle(IUserInterface& ui) : FUi(ui) {}
    ~TStatusTitle() { Reset(); }
    TStatusTitle(const TStatusTitle&) = delete;
    TStatusTitle& operator=(const TStatusTitle&) = delete;

    void Show(const std::string& stage) { FUi.SetApplicationTitle(stage); }
    // Back to the program's name now; the destructor does it again only if a stage followed.
    void Reset() {
        if (FUi.ApplicationTitle() != ProgramName) FUi.SetApplicationTitle(ProgramName);
    }

private:
    IUserInterface& FUi;
};

}  // namespace wyndrel::layout
