// The program's own open windows made from form tables, as the application's window list
// holds them, so a command can find one of its modal windows and bring it forward.
#pragma once

#include "platform/types.h"

#include <string>
#include <vector>

namespace wyndrel::ui {

struct TOpenForm {
    std::string Name;  // the form table's name, such as "frmQuillonList"
    WindowId Window;
};

class IOpenForms {
public:
    virtual ~IOpenForms() = default;
    // Topmost first.
    virtual std::vector<TOpenForm> OpenForms() = 0;
    // Activates the window and gives it the keyboard focus.
    virtual void Focus(WindowId window) = 0;
};

}  // namespace wyndrel::ui
