// The main window's command rules: for every command it offers (its buttons, the change-view
// menu, the tray menu and its submenus, the favourites menu, the window menu, the auto-save
// tick, dropped files, the close request), what happens when it arrives while another
// command of the window runs. The parts that carry out the commands register their actions
// under these ids in the window's command table.
#pragma once

#include "ui/command_table.h"

#include <optional>

namespace wyndrel::app {

std::optional<ui::TWhileBusy> MainWindowCommandRule(int id);

}  // namespace wyndrel::app
