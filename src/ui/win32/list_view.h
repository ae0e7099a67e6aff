// Report-style list views of form tables: columns from the table, rows of cells, widths in
// 96-DPI pixels scaled to the window's DPI.
#pragma once

#include "platform/win32/windows_header.h"
#include "ui/form.h"

#include <string>
#include <vector>

namespace wyndrel::ui::win32 {

// Whole-row selection, tooltips for cut texts, and the table's columns at `dpi`.
void SetUpListView(HWND list, const TControlSpec& spec, int dpi);
// Replaces every row, redrawn once at the end.
void SetListRows(HWND list, const std::vector<std::vector<std::string>>& rows);
std::vector<std::vector<std::string>> ListRows(HWND list);
// Widths in 96-DPI pixels.
void SetListColumnWidth(HWND list, int column, int width, int dpi);
int ListColumnWidth(HWND list, int column, int dpi);
// Keeps every column's width in 96-DPI pixels across a DPI change.
void RescaleListColumns(HWND list, int oldDpi, int newDpi);
// The selected row, or -1; selecting -1 clears the selection.
int ListSelection(HWND list);
void SetListSelection(HWND list, int row);

}  // namespace wyndrel::ui::win32
