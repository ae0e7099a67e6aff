// Driving the resident program's main window from a test: its buttons, and the options
// dialog it opens.
#pragma once

#include "platform/win32/windows_header.h"

#include <string>

namespace e2e {

// The shown main window of `process`, waiting up to 20 s for it; null when none came.
HWND WaitForMainWindow(HANDLE process);
// Posts a button's click to the main window, as a press of that button sends it.
void ClickButton(HWND mainWindow, int id);
// Clicks the options button and waits for the options dialog; null when it did not come.
HWND OpenOptions(HWND mainWindow);
// Presses the options dialog's OK button and waits until the dialog has gone.
bool PressOk(HWND optionsDialog);
// The text of the message box with this caption, once it has been answered with `buttonId`;
// "(no dialog <caption>)" when none came within 10 s.
std::wstring AnswerDialog(const std::wstring& caption, int buttonId);

}  // namespace e2e
