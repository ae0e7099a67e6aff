// Keys for a dialog running on another thread of the test, as the user would press them.
#pragma once

#include "platform/win32/windows_header.h"

namespace e2e {

// The control with the keyboard focus in the thread of `window`.
HWND FocusOf(HWND window);
// Posts a key's press and release to the focused control of `dialog`, where the dialog
// manager sees it first (Tab, Enter, Esc).
void PressKey(HWND dialog, WPARAM key);

}  // namespace e2e
