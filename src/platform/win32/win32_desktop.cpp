// EnumWindows, GetClassName, FindWindowEx, WM_GETTEXT, the edit messages and the window
// placement calls.
#include "platform/win32/win32_desktop.h"

#include "platform/win32/display_monitors.h"
#include "platform/win32/dpi_unaware_scope.h"
#include "platform/win32/enumeration_fault.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_rect.h"
#include "platform/work_area.h"

#include <algorithm>
#include <vector>

namespace wyndrel::win32 {
namespace {

// One EnumWindows call: the visitor, whether it asked to stop, and what it threw.
struct TWindowVisits {
    const std::function<bool(WindowId)>& Visit;
    bool Stopped = false;
    TEnumerationFault Fault;
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM context) {
    auto& visits = *reinterpret_cast<TWindowVisits*>(context);
    return visits.Fault.Guard([&] {
        visits.Stopped = !visits.Visit(ToWindowId(window));
        return !visits.Stopped;
    });
}

// The rectangle of a minimised or maximised window while it is restored for a moment without
// activating it; then it is shown as it was (`showAgain`).
std::optional<Rect> RectWhileRestored(HWND window, int showAgain) {
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    RECT bounds{};
    const bool known = ::GetWindowRect(window, &bounds) != FALSE;
    ::ShowWindow(window, showAgain);
    if (!known) return std::nullopt;
    return ToRect(bounds);
}

HWND InsertAfterHandle(TInsertAfter insertAfter) {
    switch (insertAfter) {
        case TInsertAfter::Bottom:
            return HWND_BOTTOM;
        case TInsertAfter::TopMost:
            return HWND_TOPMOST;
        case TInsertAfter::NotTopMost:
            return HWND_NOTOPMOST;
        case TInsertAfter::Top:
            break;
    }
    return HWND_TOP;
}

UINT PlacementFlags(TPlacementFlags flags) {
    UINT result = 0;
    if (HasFlag(flags, TPlacementFlags::NoSize)) result |= SWP_NOSIZE;
    if (HasFlag(flags, TPlacementFlags::NoMove)) result |= SWP_NOMOVE;
    if (HasFlag(flags, TPlacementFlags::NoZOrder)) result |= SWP_NOZORDER;
    if (HasFlag(flags, TPlacementFlags::ShowWindow)) result |= SWP_SHOWWINDOW;
    if (HasFlag(flags, TPlacementFlags::NoActivate)) result |= SWP_NOACTIVATE;
    return result;
}

}  // namespace

bool TWin32Desktop::EnumerateTopLevelWindows(const std::function<bool(WindowId)>& visit) {
    TWindowVisits visits{visit, false, {}};
    const BOOL result = ::EnumWindows(&VisitWindow, reinterpret_cast<LPARAM>(&visits));
    visits.Fault.RethrowCaught();
    // EnumWindows returns FALSE when the callback stops it; that is no failure here.
    return result != FALSE || visits.Stopped;
}

std::optional<std::string> TWin32Desktop::ClassName(WindowId window, int limit) {
    if (limit <= 0) return std::nullopt;
    std::vector<wchar_t> buffer(static_cast<size_t>(limit), L'\0');
    int length = ::GetClassNameW(ToHwnd(window), buffer.data(), limit);
    if (length == 0) return std::nullopt;
    return Narrow(std::wstring_view(buffer.data(), static_cast<size_t>(length)));
}

WindowId TWin32Desktop::FindChild(WindowId parent, const std::string& className) {
    return ToWindowId(::FindWindowExW(ToHwnd(parent), nullptr, Widen(className).c_str(), nullptr));
}

std::int32_t TWin32Desktop::WindowTextLength(WindowId window) {
    return static_cast<std::int32_t>(
        std::max<LRESULT>(::SendMessageW(ToHwnd(window), WM_GETTEXTLENGTH, 0, 0), 0));
}

std::string TWin32Desktop::WindowText(WindowId window, int limit) {
    if (limit <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(limit) + 1, L'\0');
    LRESULT length = ::SendMessageW(ToHwnd(window), WM_GETTEXT, static_cast<WPARAM>(limit),
                                    reinterpret_cast<LPARAM>(buffer.data()));
    if (length <= 0) return {};
    return Narrow(std::wstring_view(buffer.data(), static_cast<size_t>(length)));
}

std::int32_t TWin32Desktop::SelectionStart(WindowId editControl) {
    DWORD start = 0;
    ::SendMessageW(ToHwnd(editControl), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<std::int32_t>(start);
}

std::optional<Rect> TWin32Desktop::WindowRect(WindowId window) {
    TDpiUnawareScope unaware(FPass.has_value());
    RECT bounds{};
    if (!::GetWindowRect(ToHwnd(window), &bounds)) return std::nullopt;
    return ToRect(bounds);
}

}  // namespace wyndrel::win32

namespace wyndrel::win32 {

std::optional<Rect> TWin32Desktop::NormalPosition(WindowId window) {
    TDpiUnawareScope unaware(FPass.has_value());
    HWND handle = ToHwnd(window);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!::GetWindowPlacement(handle, &placement)) return std::nullopt;
    const Rect normal = ToRect(placement.rcNormalPosition);
    // Wine keeps no placement of another process's window and answers with its present
    // rectangle, the minimised or maximised one. The rectangle is then read while the window
    // is restored for a moment, without activating it; maximising it again activates it, as
    // maximising always does. Windows itself never answers so for a minimised window, and
    // for a maximised one only when its normal rectangle is the maximised one, which the
    // moment's restoring reads all the same.
    const bool iconic = ::IsIconic(handle) != FALSE;
    if ((iconic || ::IsZoomed(handle)) && WindowRect(window) == normal)
        return RectWhileRestored(handle, iconic ? SW_SHOWMINNOACTIVE : SW_MAXIMIZE);
    // Only a tool window's placement is in screen coordinates; any other top-level window's
    // counts from its monitor's work area.
    if (::GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return normal;
    return WorkspaceToScreen(normal, Monitors());
}

std::vector<TMonitor> TWin32Desktop::Monitors() {
    TDpiUnawareScope unaware(FPass.has_value());
    return DisplayMonitors();
}

bool TWin32Desktop::IsZoomed(WindowId window) { return ::IsZoomed(ToHwnd(window)) != FALSE; }

bool TWin32Desktop::IsIconic(WindowId window) { return ::IsIconic(ToHwnd(window)) != FALSE; }

void TWin32Desktop::Restore(WindowId window) { ::ShowWindow(ToHwnd(window), SW_RESTORE); }

void TWin32Desktop::RestoreWithoutActivating(WindowId window) {
    ::ShowWindow(ToHwnd(window), SW_SHOWNOACTIVATE);
}

void TWin32Desktop::Maximize(WindowId window) { ::ShowWindow(ToHwnd(window), SW_MAXIMIZE); }

bool TWin32Desktop::SetWindowPos(WindowId window, TInsertAfter insertAfter, std::int32_t left,
                                 std::int32_t top, std::int32_t width, std::int32_t height,
                                 TPlacementFlags flags) {
    TDpiUnawareScope unaware(FPass.has_value());
    return ::SetWindowPos(ToHwnd(window), InsertAfterHandle(insertAfter), left, top, width, height,
                          PlacementFlags(flags)) != FALSE;
}

bool TWin32Desktop::SetForeground(WindowId window) {
    return ::SetForegroundWindow(ToHwnd(window)) != FALSE;
}

void TWin32Desktop::SetSelection(WindowId editControl, std::int32_t start, std::int32_t end) {
    ::SendMessageW(ToHwnd(editControl), EM_SETSEL, static_cast<WPARAM>(start),
                   static_cast<LPARAM>(end));
}

void TWin32Desktop::ScrollCaret(WindowId editControl) {
    ::SendMessageW(ToHwnd(editControl), EM_SCROLLCARET, 0, 0);
}

}  // namespace wyndrel::win32

namespace wyndrel::win32 {

bool TWin32Desktop::IsModified(WindowId editControl) {
    return editControl && ::SendMessageW(ToHwnd(editControl), EM_GETMODIFY, 0, 0) != 0;
}

void TWin32Desktop::SendPrivateMessage(WindowId window, std::uint32_t message) {
    ::SendMessageW(ToHwnd(window), message, 0, 0);
}

void TWin32Desktop::PostPrivateMessage(WindowId window, std::uint32_t message) {
    ::PostMessageW(ToHwnd(window), message, 0, 0);
}

// In front means also that the window's own thread has taken the activation, so typed keys
// reach it and not a thread that has not caught up yet.
bool TWin32Desktop::IsInFront(WindowId window) {
    HWND handle = ToHwnd(window);
    if (::GetForegroundWindow() != handle) return false;
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(handle, nullptr), &thread)) return false;
    return thread.hwndActive == handle && thread.hwndFocus != nullptr;
}

WindowId TWin32Desktop::ForegroundWindow() { return ToWindowId(::GetForegroundWindow()); }

// The call only works for a window of the calling thread; Windows refuses any other, and
// Wine would instead disturb the activation of the other program's windows.
void TWin32Desktop::SetActiveWindow(WindowId window) {
    if (::GetWindowThreadProcessId(ToHwnd(window), nullptr) != ::GetCurrentThreadId()) return;
    ::SetActiveWindow(ToHwnd(window));
}

void TWin32Desktop::KeyEvent(std::uint8_t virtualKey, bool keyUp, bool extended) {
    DWORD flags = (keyUp ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    auto scanCode = static_cast<BYTE>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    ::keybd_event(virtualKey, scanCode, flags, 0);
}

// The pass's one switch: the calls inside it skip their own.
void TWin32Desktop::BeginGeometryPass() {
    if (FPassDepth++ == 0) FPass.emplace();
}

void TWin32Desktop::EndGeometryPass() {
    if (--FPassDepth == 0) FPass.reset();
}

}  // namespace wyndrel::win32
