// The options dialog as a modal window: its form table on a dialog and the presenter TdlgOption
// behind it.
#pragma once

#include "dialogs/option_dialog.h"
#include "platform/win32/windows_header.h"

#include <functional>

namespace wyndrel::dialogs::win32 {

// Shows the dialog modally over `owner` (disabled meanwhile) and returns once it has closed;
// the window and its presenter are gone by then. `opened` hears the dialog's window once it
// exists and `presenter` the presenter before it is shown (for the sheets that add their own
// handling).
void ShowOptionDialog(HWND owner, TOptionPorts ports, const std::function<void(HWND)>& opened = {},
                      const std::function<void(TdlgOption&)>& presenter = {});

}  // namespace wyndrel::dialogs::win32
