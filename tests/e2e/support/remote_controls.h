// Reading and filling controls of another process's windows: a report-style list view, and
// the file name of a common file dialog.
#pragma once

#include "platform/win32/windows_header.h"

#include <string>
#include <vector>

namespace e2e {

// Every row of the list view, each cell's text in column order. A list view writes its
// answers where the item it is given points, so the item and the text buffer are placed in
// the owning process's memory.
std::vector<std::vector<std::wstring>> RemoteListRows(HWND list);

// Types `path` into the file dialog's name box and presses its OK button; false when the
// dialog has no name box.
bool ChooseFileInDialog(HWND dialog, const std::wstring& path);

}  // namespace e2e
