// The instance mutex and the hand-over to a running copy. The sends wait for the first copy
// as the hand-over needs, but a copy that has stopped answering does not hang the second.
#include "platform/win32/win32_resident_process.h"

#include "platform/go_on_regardless.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/windows_header.h"

namespace wyndrel::win32 {
namespace {

// Long enough for a first copy busy restoring a layout to reach its next message pump.
constexpr UINT HandOverSendTimeoutMs = 30000;

HWND ToHwnd(WindowId window) { return reinterpret_cast<HWND>(window.Value); }

void SendBounded(WindowId window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(ToHwnd(window), message, wParam, lParam, SMTO_ABORTIFHUNG,
                          HandOverSendTimeoutMs, &answer);
}

}  // namespace

bool TWin32ResidentProcess::InstanceMutexExists(const std::string& name) {
    TUniqueHandle existing(::OpenMutexW(MUTEX_ALL_ACCESS, FALSE, Widen(name).c_str()));
    return existing.IsValid();
}

// CreateMutex gives a handle to the other copy's mutex when that one came first; holding it
// would keep the name alive after that copy ended, so it is closed at once. A mutex that
// cannot be made at all does not stop the program.
bool TWin32ResidentProcess::CreateInstanceMutex(const std::string& name) {
    ::SetLastError(ERROR_SUCCESS);
    FMutex.Reset(::CreateMutexW(nullptr, FALSE, Widen(name).c_str()));
    if (::GetLastError() != ERROR_ALREADY_EXISTS) return true;
    FMutex.Reset();
    return false;
}

// The mutex was created without an owner, so closing the handle is what frees the name.
void TWin32ResidentProcess::ReleaseInstanceMutex() { FMutex.Reset(); }

WindowId TWin32ResidentProcess::FindWindowByClass(const std::string& className) {
    return WindowId{
        reinterpret_cast<std::uintptr_t>(::FindWindowW(Widen(className).c_str(), nullptr))};
}

void TWin32ResidentProcess::SendRestoreCommand(WindowId window) {
    SendBounded(window, WM_SYSCOMMAND, SC_RESTORE, static_cast<LPARAM>(-1));
}

void TWin32ResidentProcess::SendRequest(WindowId window, std::uint32_t message) {
    SendBounded(window, message, 0, 0);
}

void TWin32ResidentProcess::SetOwnPriority(TPriorityClass priority) {
    TStartedProcess self{reinterpret_cast<std::uintptr_t>(::GetCurrentProcess()),
                         ProcessId{::GetCurrentProcessId()}};
    // Refused, the program runs on at the priority it has.
    GoOnRegardless(TWin32Processes().SetPriority(self, priority));
}

void TWin32ResidentProcess::SetThreadPriority(TThreadPriority priority) {
    int value = priority == TThreadPriority::TimeCritical ? THREAD_PRIORITY_TIME_CRITICAL
                                                          : THREAD_PRIORITY_NORMAL;
    ::SetThreadPriority(::GetCurrentThread(), value);
}

void TWin32ResidentProcess::Sleep(std::uint32_t ms) { ::Sleep(ms); }  // sleep-ok: start-up delay

// The time now less the time the system has run; GetTickCount64 does not wrap.
std::int64_t TWin32ResidentProcess::SystemStartTime() {
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    const std::int64_t nowUnits =
        (static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return nowUnits - static_cast<std::int64_t>(::GetTickCount64()) * 10000;
}

}  // namespace wyndrel::win32
