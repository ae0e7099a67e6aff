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
// The tooltip window that shows the hints of `window`'s controls; null when it has none.
HWND TooltipOf(HWND window);

std::wstring WindowText(HWND window);
std::wstring EditorPath(HWND editor);  // the TEdit child's text
HWND EditorTextControl(HWND editor);   // the TEditor child
DWORD EditorCaret(HWND editor);        // EM_GETSEL start of the TEditor child
RECT WindowRectangle(HWND window);

// The editor window whose TEdit child shows `path` (exactly), waiting up to `timeoutMs`.
// Only a shown window counts: one that is still being created may lack its children.
HWND WaitForEditorShowing(const std::wstring& path, unsigned timeoutMs = 10000);

// The first shown top-level window of `className` that belongs to `process`, waiting up to
// `timeoutMs`; null when none came, with the reason on the test's output.
HWND WaitForWindowOfProcess(HANDLE process, const std::wstring& className,
                            unsigned timeoutMs = 10000);

// A dialog or message box (class "#32770") with this caption, waiting up to `timeoutMs`.
HWND WaitForDialog(const std::wstring& caption, unsigned timeoutMs = 10000);
// The texts of a message box's static children, joined by "\n".
std::wstring DialogText(HWND dialog);
// Clicks the button whose text is `buttonText`, compared with and without its "&" mnemonic
// marks ("&Yes" is pressed as "Yes" too); false when there is none.
bool PressDialogButton(HWND dialog, const std::wstring& buttonText);
// Clicks the button with this control id (IDOK, IDYES, ...); false when there is none.
bool PressDialogButtonById(HWND dialog, int id);

}  // namespace e2e
