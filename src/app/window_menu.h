// The main window's additions to its window menu (the system menu): the commands a second
// program can also send, put in again each time the window is shown, never twice.
#pragma once

#include "app/main_window_ids.h"

#include <cstdint>
#include <string>

namespace wyndrel::app {

struct TWindowMenuEntry {
    std::uint32_t Id = 0;
    std::string Text;  // "" for a separator
    bool Separator = false;
    friend bool operator==(const TWindowMenuEntry&, const TWindowMenuEntry&) = default;
};

// The window menu of the main window as the platform holds it.
class IWindowMenu {
public:
    virtual ~IWindowMenu() = default;
    // DeleteMenu by command; an absent entry is ignored.
    virtual void DeleteEntry(std::uint32_t id) = 0;
    // InsertMenu by zero-based position, counted before the insertion; past the end appends.
    virtual void InsertEntry(int position, const TWindowMenuEntry& entry) = 0;
    virtual void CheckEntry(std::uint32_t id, bool checked) = 0;
    // DrawMenuBar.
    virtual void Redraw() = 0;
};

// Takes the program's entries out and puts them in again at their places, the help entry
// only while there is help to show (a help file or the manual beside the program).
void RefreshWindowMenu(IWindowMenu& menu, bool helpFileExists);

}  // namespace wyndrel::app
