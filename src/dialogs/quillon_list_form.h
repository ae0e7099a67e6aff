// The running-editors list window as a form table, and how its controls follow the window's
// size.
#pragma once

#include "ui/form.h"

namespace wyndrel::dialogs {

// The list view over the whole width above the close button, in 96-DPI pixels.
const ui::TFormSpec& QuillonListForm();

// The controls' places for a client area of this size (96-DPI pixels): the list keeps its
// distance to every edge, the close button its distance to the bottom, centred across.
Rect ListViewBounds(int clientWidth, int clientHeight);
Rect CloseButtonBounds(int clientWidth, int clientHeight);

}  // namespace wyndrel::dialogs
