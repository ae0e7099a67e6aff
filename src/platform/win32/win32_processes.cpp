// Starting programs. The thread handle is released at once; the process handle travels in
// TStartedProcess until the caller closes it.
#include "platform/win32/win32_processes.h"

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/windows_header.h"

#include <tlhelp32.h>

#include <vector>

namespace wyndrel::win32 {
namespace {

HANDLE ToHandle(const TStartedProcess& process) { return reinterpret_cast<HANDLE>(process.Handle); }

DWORD PriorityClassValue(TPriorityClass priority) {
    switch (priority) {
        case TPriorityClass::Idle:
            return IDLE_PRIORITY_CLASS;
        case TPriorityClass::High:
            return HIGH_PRIORITY_CLASS;
        case TPriorityClass::RealTime:
            return REALTIME_PRIORITY_CLASS;
        case TPriorityClass::Normal:
            break;
    }
    return NORMAL_PRIORITY_CLASS;
}

}  // namespace

std::optional<TStartedProcess> TWin32Processes::StartProcess(
    const std::string& application, const std::string& commandLine,
    const std::optional<TStartPlacement>& placement) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (placement) {
        startup.dwFlags = STARTF_USEPOSITION | STARTF_USESIZE;
        startup.dwX = static_cast<DWORD>(placement->Left);
        startup.dwY = static_cast<DWORD>(placement->Top);
        startup.dwXSize = static_cast<DWORD>(placement->Width);
        startup.dwYSize = static_cast<DWORD>(placement->Height);
    }
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::wstring wide = Widen(commandLine);
    std::vector<wchar_t> buffer(wide.begin(), wide.end());
    buffer.push_back(L'\0');
    PROCESS_INFORMATION started{};
    const std::wstring program = Widen(application);
    if (!::CreateProcessW(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &started))
        return std::nullopt;
    ::CloseHandle(started.hThread);
    return TStartedProcess{reinterpret_cast<std::uintptr_t>(started.hProcess),
                           ProcessId{started.dwProcessId}};
}

bool TWin32Processes::SetPriority(const TStartedProcess& process, TPriorityClass priority) {
    return ::SetPriorityClass(ToHandle(process), PriorityClassValue(priority)) != FALSE;
}

TInputIdleResult TWin32Processes::WaitForInputIdle(const TStartedProcess& process,
                                                   std::uint32_t timeoutMs) {
    switch (::WaitForInputIdle(ToHandle(process), timeoutMs)) {
        case 0:
            return TInputIdleResult::Ready;
        case WAIT_TIMEOUT:
            return TInputIdleResult::TimedOut;
        default:
            return TInputIdleResult::Failed;
    }
}

void TWin32Processes::CloseProcess(const TStartedProcess& process) {
    ::CloseHandle(ToHandle(process));
}

// The snapshot has no limit on the number of processes; the full image path needs only
// the limited query right, which processes of other users usually grant.
bool TWin32Processes::ListProcesses(
    const std::function<bool(const std::string& exePath, ProcessId id)>& visit) {
    TUniqueHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more;
         more = ::Process32NextW(snapshot.Get(), &entry)) {
        TUniqueHandle process(
            ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
        if (!process) continue;
        std::vector<wchar_t> path(32768, L'\0');
        DWORD length = static_cast<DWORD>(path.size());
        if (!::QueryFullProcessImageNameW(process.Get(), 0, path.data(), &length) || length == 0)
            continue;
        if (!visit(Narrow(std::wstring_view(path.data(), length)), ProcessId{entry.th32ProcessID}))
            break;
    }
    return true;
}

std::uint32_t TWin32Processes::TickCount() { return ::GetTickCount(); }

}  // namespace wyndrel::win32
