// The program's one message loop.
#pragma once

#include "platform/win32/windows_header.h"

namespace wyndrel::win32 {

// Runs until WM_QUIT and returns its exit code. Keyboard navigation is given to the
// dialog-like window `keyboardWindow` when one is named.
int RunMessageLoop(HWND keyboardWindow = nullptr);

// Handles every message already waiting, then returns.
void ProcessPendingMessages();

}  // namespace wyndrel::win32
