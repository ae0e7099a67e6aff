// The baselines of the resident program's measurements: a bare Win32 program built as
// wyndrel.exe is. Without arguments it ends at once; with "/buttons" it shows one window with
// eight buttons (as the main window has) until it is closed.
#include "platform/win32/windows_header.h"

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

int ShowEightButtons(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"WyndrelBenchBare";
    ::RegisterClassW(&windowClass);
    HWND window =
        ::CreateWindowExW(0, L"WyndrelBenchBare", L"Bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                          253, 100, 160, 135, nullptr, nullptr, instance, nullptr);
    for (int i = 0; i < 8; ++i)
        ::CreateWindowExW(0, L"BUTTON", L"Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP, (i % 2) * 72,
                          (i / 2) * 24, 73, 25, window,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), instance,
                          nullptr);
    ::ShowWindow(window, SW_SHOW);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    if (::lstrcmpW(commandLine, L"/buttons") == 0) return ShowEightButtons(instance);
    return 0;
}
