// Rules of the main window's life that need no window: whether a close request closes, what
// the window keeps at exit, and the restore of dropped files.
#pragma once

#include "app/view_mode.h"
#include "platform/types.h"
#include "settings/ini_access.h"

#include <functional>
#include <string>
#include <vector>

namespace wyndrel::app {

enum class TCloseAnswer {
    Close,        // the window closes and the program ends
    HideInstead,  // the program stays in the tray
    Quit,         // the program is told to quit, which closes the window too
};

// A close request (close box, Alt+F4, the window menu, a command). "Close without ending"
// hides a visible window and ends the program from the tray.
TCloseAnswer CloseQuery(bool quitRequested, bool closeNoExit, bool windowVisible);

// Written at exit, in this order: position, shape, auto-save switch.
void WriteExitState(settings::TIniAccess& ini, Point position, TViewMode mode,
                    bool autoSaveEnabled);

// Restores each non-empty path in order through `loadLayout`; a restore that ends with the
// silent abort skips the rest, without a word. Returns how many restores were started.
int RestoreDroppedFiles(const std::vector<std::string>& paths,
                        const std::function<void(const std::string&)>& loadLayout);

}  // namespace wyndrel::app
