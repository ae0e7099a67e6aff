// A demo helper for scripts/run: presses the right button on the resident program's tray
// icon, as the shell reports it, and opens the tray menu's first submenu ("新規Quillon").
// Ends with 0 once both menus are on screen, 1 when they did not come within 20 s.
#include "platform/win32/windows_header.h"
#include "ui/private_messages.h"

namespace {

int VisibleMenus() {
    int count = 0;
    for (HWND menu = nullptr; (menu = ::FindWindowExW(nullptr, menu, L"#32768", nullptr));)
        if (::IsWindowVisible(menu)) ++count;
    return count;
}

// True as soon as `ready` holds, false after 20 s.
template <class Condition>
bool WaitUntil(Condition ready) {
    for (int waited = 0; waited < 20000; waited += 50) {
        if (ready()) return true;
        ::Sleep(50);  // sleep-ok: the poll's pause; the deadline bounds it
    }
    return false;
}

bool WaitFor(int menus) {
    return WaitUntil([menus] { return VisibleMenus() >= menus; });
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    HWND notifyWindow = nullptr;
    if (!WaitUntil(
            [&] { return (notifyWindow = ::FindWindowW(L"TNotifyWindow", nullptr)) != nullptr; }))
        return 1;
    ::PostMessageW(notifyWindow, wyndrel::ui::TrayCallbackMessage, 2, WM_RBUTTONDOWN);
    if (!WaitFor(1)) return 1;
    HWND menu = ::FindWindowW(L"#32768", nullptr);
    ::PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 1);
    ::PostMessageW(menu, WM_KEYDOWN, VK_RIGHT, 1);
    return WaitFor(2) ? 0 : 1;
}
