// GetTextExtentPoint32W on a control's own DC and font.
#include "ui/win32/text_extent.h"

#include "platform/win32/wide_string.h"
#include "ui/scaling.h"

namespace wyndrel::ui::win32 {

SIZE TextExtent(HDC dc, HFONT font, std::wstring_view text) {
    HGDIOBJ previous = ::SelectObject(dc, font);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
    ::SelectObject(dc, previous);
    return extent;
}

int ControlTextWidth(HWND control, std::string_view utf8, int dpi) {
    HDC dc = ::GetDC(control);
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    const SIZE extent = TextExtent(dc, font, wyndrel::win32::Widen(utf8));
    ::ReleaseDC(control, dc);
    return (extent.cx * BaseDpi + dpi - 1) / dpi;
}

}  // namespace wyndrel::ui::win32
