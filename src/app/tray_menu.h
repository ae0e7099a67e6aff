// The tray menu pupMenu as a model, and the states it takes each time before it shows.
#pragma once

#include "ui/menu_model.h"

namespace wyndrel::app {

// Every entry, caption, submenu and tag of the tray menu, in order.
ui::TMenuModel TrayMenu();

// What the tray menu's checks and states are made from, read just before it shows.
struct TTrayMenuState {
    bool WindowVisible = false;
    bool ApplicationMinimized = false;
    bool TemporaryLayoutExists = false;  // the windows are scattered and can be put in order
    bool AutoSaveEnabled = false;
    bool MostTop = false;
    bool HelpFileExists = false;
    bool LastSessionListed = false;  // the last session's file lists an editor to restore
};

// pupMenuPopup: the checked, enabled and visible states of the entries that depend on them.
void ApplyTrayMenuState(ui::TMenuModel& menu, const TTrayMenuState& state);

}  // namespace wyndrel::app
