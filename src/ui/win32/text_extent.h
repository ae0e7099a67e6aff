// Measuring a text as a control draws it, for sizing controls to what they show.
#pragma once

#include "platform/win32/windows_header.h"

#include <string_view>

namespace wyndrel::ui::win32 {

// GetTextExtentPoint32W of `text` in `font` on `dc`, in the DC's pixels; the DC keeps the font
// it had.
SIZE TextExtent(HDC dc, HFONT font, std::wstring_view text);

// The width of `utf8` in `control`'s own font, in the 96-DPI pixels of a window at `dpi`,
// rounded up: a control made that wide shows its last character whole.
int ControlTextWidth(HWND control, std::string_view utf8, int dpi);

}  // namespace wyndrel::ui::win32
