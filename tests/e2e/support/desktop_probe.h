// Looking at the desktop from a test as the program would: windows by class, the editor's
// path, caret and rectangle, and message boxes by caption.
#pragma once

#include "platform/win32/windows_header.h"

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Polls `condition` every 20 ms until it holds or `timeoutMs` has passed.
bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs);

// Top-level windows of a class, topmost first.
std::vector<HWND> TopLevelWindowsOfClass(const std::wstring& className);

std::wstring WindowText(HWND window);
std::wstring EditorPath(HWND editor);    // the TEdit child's text
HWND EditorTextControl(HWND editor);     // the TEditor child
DWORD EditorCaret(HWND editor);          // EM_GETSEL start of the TEditor child
RECT WindowRectangle(HWND window);

// The editor window whose TEdit child shows `path` (exactly), waiting up to `timeoutMs`.
HWND WaitForEditorShowing(const std::wstring& path, unsigned timeoutMs = 10000);

// A dialog or message box (class "#32770") with this caption, waiting up to `timeoutMs`.
HWND WaitForDialog(const std::wstring& caption, unsigned timeoutMs = 10000);
// The texts of a message box's static children, joined by "\n".
std::wstring DialogText(HWND dialog);
// Clicks the button whose text is `buttonText`; false when there is none.
bool PressDialogButton(HWND dialog, const std::wstring& buttonText);

}  // namespace e2e
