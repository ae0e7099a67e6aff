// EnumDisplayMonitors with GetMonitorInfoW.
#include "platform/win32/display_monitors.h"

#include "platform/win32/win32_rect.h"

namespace wyndrel::win32 {
namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM context) {
    auto& monitors = *reinterpret_cast<std::vector<TMonitor>*>(context);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoW(monitor, &info)) return TRUE;
    TMonitor found{ToRect(info.rcMonitor), ToRect(info.rcWork)};
    if (info.dwFlags & MONITORINFOF_PRIMARY)
        monitors.insert(monitors.begin(), found);
    else
        monitors.push_back(found);
    return TRUE;
}

}  // namespace

std::vector<TMonitor> DisplayMonitors() {
    std::vector<TMonitor> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

}  // namespace wyndrel::win32
