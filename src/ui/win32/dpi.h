// The DPI of a window and window sizes for a client size at that DPI. The per-monitor
// functions exist from Windows 10 on and are looked up at run time; older systems have
// one DPI for the whole screen.
#pragma once

#include "platform/win32/windows_header.h"

namespace wyndrel::ui::win32 {

int WindowDpi(HWND window);

// The outer size of a window with this style whose client area is `clientWidth` ×
// `clientHeight` device pixels, with the frame drawn at `dpi`.
SIZE OuterSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

}  // namespace wyndrel::ui::win32
