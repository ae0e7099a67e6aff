// Identifiers of the running-editors list window, shared by its view, its presenter and the
// tests that drive it.
#pragma once

namespace wyndrel::dialogs::list_ids {

enum TQuillonListControl : int {
    LV = 301,
    btnClose = 302,
};

// The list view's columns, in order.
enum TQuillonListColumn : int {
    ColFileName,
    ColX,
    ColY,
    ColWidth,
    ColHeight,
    ColCaret,
    ColumnCount
};

}  // namespace wyndrel::dialogs::list_ids
