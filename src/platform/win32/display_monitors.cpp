// EnumDisplayMonitors with GetMonitorInfoW.
#include "platform/win32/display_monitors.h"

#include "platform/win32/enumeration_fault.h"
#include "platform/win32/win32_rect.h"

namespace wyndrel::win32 {
namespace {

struct TMonitorList {
    std::vector<TMonitor> Monitors;
    TEnumerationFault Fault;
};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM context) {
    auto& list = *reinterpret_cast<TMonitorList*>(context);
    return list.Fault.Guard([&] {
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        if (!::GetMonitorInfoW(monitor, &info)) return true;
        TMonitor found{ToRect(info.rcMonitor), ToRect(info.rcWork)};
        if (info.dwFlags & MONITORINFOF_PRIMARY)
            list.Monitors.insert(list.Monitors.begin(), found);
        else
            list.Monitors.push_back(found);
        return true;
    });
}

}  // namespace

std::vector<TMonitor> DisplayMonitors() {
    TMonitorList list;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&list));
    list.Fault.RethrowCaught();
    return std::move(list.Monitors);
}

}  // namespace wyndrel::win32
