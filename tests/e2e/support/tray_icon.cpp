// Finding the tray's notify window and working its menus as the shell and a user would.
#include "support/tray_icon.h"

#include "support/desktop_probe.h"
#include "ui/private_messages.h"

namespace e2e {
namespace {

// The shell's name of icon `iconId` of `notifyWindow`, nothing else filled in.
NOTIFYICONDATAW IconNamed(HWND notifyWindow, UINT iconId) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = notifyWindow;
    data.uID = iconId;
    return data;
}

}  // namespace

HWND NotifyWindowOf(HANDLE process) {
    const DWORD id = ::GetProcessId(process);
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window = nullptr;
                 (window = ::FindWindowExW(nullptr, window, L"TNotifyWindow", nullptr));) {
                DWORD owner = 0;
                ::GetWindowThreadProcessId(window, &owner);
                if (owner == id) found = window;
            }
            return found != nullptr;
        },
        20000);
    return found;
}

// Icon 2 is the program's one icon.
bool PressOnIconAndChoose(HWND notifyWindow, UINT buttonDown, const std::vector<WPARAM>& keys) {
    ::PostMessageW(notifyWindow, wyndrel::ui::TrayCallbackMessage, 2, buttonDown);
    std::vector<HWND> menus;
    if (!WaitUntil(
            [&] {
                return !(menus = TopLevelWindowsOfClass(L"#32768")).empty() &&
                       ::IsWindowVisible(menus[0]);
            },
            10000))
        return false;
    for (WPARAM key : keys) ::PostMessageW(menus[0], WM_KEYDOWN, key, 1);
    return WaitUntil([] { return VisibleMenuCount() == 0; }, 10000);
}

bool TrayIconShown(HWND notifyWindow, UINT iconId) {
    NOTIFYICONDATAW data = IconNamed(notifyWindow, iconId);
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void RemoveTrayIcon(HWND notifyWindow, UINT iconId) {
    NOTIFYICONDATAW data = IconNamed(notifyWindow, iconId);
    ::Shell_NotifyIconW(NIM_DELETE, &data);
}

int VisibleMenuCount() {
    int count = 0;
    for (HWND menu : TopLevelWindowsOfClass(L"#32768"))
        if (::IsWindowVisible(menu)) ++count;
    return count;
}

}  // namespace e2e
