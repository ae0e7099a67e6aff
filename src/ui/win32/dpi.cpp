// Run-time look-ups of the per-monitor DPI functions, with the system-wide fallbacks.
#include "ui/win32/dpi.h"

namespace wyndrel::ui::win32 {
namespace {

template <typename Function>
Function User32Function(const char* name) {
    FARPROC proc = ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name);
    // Through a generic function pointer: the platform hands out FARPROC for every export.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc));
}

using TGetDpiForWindow = UINT(WINAPI*)(HWND);
using TAdjustWindowRectExForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

int ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

int WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Function<TGetDpiForWindow>("GetDpiForWindow");
    if (getDpiForWindow && window) {
        UINT dpi = getDpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

SIZE OuterSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
    static const auto adjustForDpi =
        User32Function<TAdjustWindowRectExForDpi>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, clientWidth, clientHeight};
    if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace wyndrel::ui::win32
