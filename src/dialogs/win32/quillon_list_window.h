// The running-editors list as a modal window over the program's window.
#pragma once

#include "dialogs/quillon_list.h"
#include "platform/win32/windows_header.h"

namespace wyndrel::dialogs::win32 {

// Shows the list modally over `owner` (disabled meanwhile) and returns once it has closed;
// the window and its presenter are gone by then, also when the window could not be shown.
void ShowQuillonList(HWND owner, TQuillonListPorts ports);

}  // namespace wyndrel::dialogs::win32
