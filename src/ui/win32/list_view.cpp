// LVM_ messages over the list view's rows and columns.
#include "ui/win32/list_view.h"

#include "platform/win32/wide_string.h"
#include "ui/scaling.h"

namespace wyndrel::ui::win32 {
namespace {

using wyndrel::win32::Narrow;
using wyndrel::win32::Widen;

int ColumnCount(HWND list) {
    HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::wstring CellText(HWND list, int row, int column) {
    // The control copies at most the buffer's size; grow until the text fits.
    for (std::size_t size = 256;; size *= 4) {
        std::wstring text(size, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(size);
        const auto length = static_cast<std::size_t>(::SendMessageW(
            list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < size) return text.substr(0, length);
    }
}

}  // namespace

void SetUpListView(HWND list, const TControlSpec& spec, int dpi) {
    const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_LABELTIP;
    ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    for (std::size_t i = 0; i < spec.Columns.size(); ++i) {
        std::wstring header = Widen(spec.Columns[i].Header);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = header.data();
        column.cx = ScaleToDpi(spec.Columns[i].Width, dpi);
        column.iSubItem = static_cast<int>(i);
        ::SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void SetListRows(HWND list, const std::vector<std::vector<std::string>>& rows) {
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < rows[row].size(); ++column) {
            std::wstring text = Widen(rows[row][column]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(row);
            item.iSubItem = static_cast<int>(column);
            item.pszText = text.data();
            ::SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW,
                           column == 0 ? 0 : row, reinterpret_cast<LPARAM>(&item));
        }
    }
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
}

std::vector<std::vector<std::string>> ListRows(HWND list) {
    const int count = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const int columns = ColumnCount(list);
    std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row)
        for (int column = 0; column < columns; ++column)
            rows[static_cast<std::size_t>(row)].push_back(Narrow(CellText(list, row, column)));
    return rows;
}

void SetListColumnWidth(HWND list, int column, int width, int dpi) {
    ::SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                   MAKELPARAM(ScaleToDpi(width, dpi), 0));
}

int ListColumnWidth(HWND list, int column, int dpi) {
    const int pixels =
        static_cast<int>(::SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    return ::MulDiv(pixels, BaseDpi, dpi);
}

void RescaleListColumns(HWND list, int oldDpi, int newDpi) {
    for (int column = 0; column < ColumnCount(list); ++column)
        SetListColumnWidth(list, column, ListColumnWidth(list, column, oldDpi), newDpi);
}

int ListSelection(HWND list) {
    return static_cast<int>(
        ::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void SetListSelection(HWND list, int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    // Row -1 addresses every row: clear them all first, then select the one asked for.
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(&item));
    if (row < 0) return;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
}

}  // namespace wyndrel::ui::win32
