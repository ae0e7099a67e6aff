// CreateProcess with optional placement and environment; TerminateProcess at the end.
#include "support/programs.h"

#include "support/desktop_probe.h"

#include <tlhelp32.h>

#include <cstdio>
#include <iterator>
#include <map>
#include <utility>

namespace e2e {
namespace {

// This process's environment with `extra` set, as a CreateProcess environment block.
std::wstring EnvironmentBlock(const std::vector<std::pair<std::wstring, std::wstring>>& extra) {
    std::map<std::wstring, std::wstring> variables;
    wchar_t* block = ::GetEnvironmentStringsW();
    for (const wchar_t* entry = block; *entry; entry += wcslen(entry) + 1) {
        std::wstring text(entry);
        size_t equals = text.find(L'=', 1);
        if (equals != std::wstring::npos)
            variables[text.substr(0, equals)] = text.substr(equals + 1);
    }
    ::FreeEnvironmentStringsW(block);
    for (const auto& [name, value] : extra) variables[name] = value;
    std::wstring result;
    for (const auto& [name, value] : variables) result += name + L"=" + value + L'\0';
    return result + L'\0';
}

}  // namespace

std::vector<TRunningProcess> RunningProcesses() {
    std::vector<TRunningProcess> processes;
    wyndrel::win32::TUniqueHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more;
         more = ::Process32NextW(snapshot.Get(), &entry))
        processes.push_back({entry.th32ProcessID, entry.th32ParentProcessID});
    return processes;
}

int KillChildrenBeingWaitedFor(HANDLE parent) {
    const DWORD parentId = ::GetProcessId(parent);
    int killed = 0;
    for (const TRunningProcess& running : RunningProcesses()) {
        if (running.ParentId != parentId) continue;
        wyndrel::win32::TUniqueHandle child(
            ::OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, running.Id));
        if (child && ::GetPriorityClass(child.Get()) == HIGH_PRIORITY_CLASS)
            killed += ::TerminateProcess(child.Get(), 9) ? 1 : 0;
    }
    return killed;
}

bool KillStartedChild(HANDLE parent, int ordinal) {
    const DWORD parentId = ::GetProcessId(parent);
    std::map<std::pair<ULONGLONG, DWORD>, DWORD> byCreation;  // creation time, then id
    for (const TRunningProcess& running : RunningProcesses()) {
        if (running.ParentId != parentId) continue;
        wyndrel::win32::TUniqueHandle child(
            ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, running.Id));
        FILETIME created, ended, kernel, user;
        if (!child || !::GetProcessTimes(child.Get(), &created, &ended, &kernel, &user)) continue;
        const ULONGLONG time =
            static_cast<ULONGLONG>(created.dwHighDateTime) << 32 | created.dwLowDateTime;
        byCreation[{time, running.Id}] = running.Id;
    }
    if (ordinal < 0 || static_cast<size_t>(ordinal) >= byCreation.size()) return false;
    wyndrel::win32::TUniqueHandle chosen(
        ::OpenProcess(PROCESS_TERMINATE, FALSE, std::next(byCreation.begin(), ordinal)->second));
    return chosen && ::TerminateProcess(chosen.Get(), 9);
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

TProcessGuard::~TProcessGuard() {
    for (auto& process : FProcesses) {
        if (::WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(process.Get(), 1);
            ::WaitForSingleObject(process.Get(), 5000);
        }
    }
}

HANDLE TProcessGuard::Start(const std::wstring& commandLine, const TStartOptions& options) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (options.HasPlacement) {
        startup.dwFlags = STARTF_USEPOSITION | STARTF_USESIZE;
        startup.dwX = static_cast<DWORD>(options.Left);
        startup.dwY = static_cast<DWORD>(options.Top);
        startup.dwXSize = static_cast<DWORD>(options.Width);
        startup.dwYSize = static_cast<DWORD>(options.Height);
    }
    std::wstring environment = EnvironmentBlock(options.Environment);
    PROCESS_INFORMATION info{};
    // A failed start is named on the test's output. Under Wine a start now and then fails with
    // ERROR_INTERNAL_ERROR where the same start a moment later succeeds: that one is tried
    // twice more; any other failure is the test's answer.
    for (int attempt = 1;; ++attempt) {
        std::wstring mutableLine = commandLine;
        if (::CreateProcessW(
                nullptr, mutableLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                environment.data(),
                options.WorkingFolder.empty() ? nullptr : options.WorkingFolder.c_str(), &startup,
                &info))
            break;
        const DWORD error = ::GetLastError();
        std::fwprintf(stderr, L"CreateProcess failed (attempt %d) with error %lu: %ls\n", attempt,
                      error, commandLine.c_str());
        if (attempt == 3 || error != ERROR_INTERNAL_ERROR) return nullptr;
        ::Sleep(200);  // sleep-ok: a short rest before the start is tried again
    }
    ::CloseHandle(info.hThread);
    FProcesses.emplace_back(info.hProcess);
    return info.hProcess;
}

HANDLE TProcessGuard::StartEditor(const std::wstring& arguments, const TStartOptions& options) {
    std::wstring line = ProgramFolder() + L"Quillon.exe";
    if (!arguments.empty()) line += L" " + arguments;
    return Start(line, options);
}

HWND TProcessGuard::OpenEditor(const std::wstring& path, const TStartOptions& options,
                               unsigned timeoutMs) {
    if (!StartEditor(L"\"" + path + L"\"", options)) return nullptr;
    return WaitForEditorShowing(path, timeoutMs);
}

HANDLE TProcessGuard::StartWyndrel(const std::wstring& arguments, const TStartOptions& options) {
    std::wstring line = L"\"" + ProgramFolder() + L"wyndrel.exe\"";
    if (!arguments.empty()) line += L" " + arguments;
    return Start(line, options);
}

int TProcessGuard::RunWyndrel(const std::wstring& arguments, unsigned timeoutMs) {
    HANDLE process = StartWyndrel(arguments);
    return process ? WaitForExit(process, timeoutMs) : -1;
}

void TProcessGuard::Adopt(HWND window) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    HANDLE process = ::OpenProcess(
        PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process) FProcesses.emplace_back(process);
}

int WaitForExit(HANDLE process, unsigned timeoutMs) {
    if (::WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(process, 1);
        ::WaitForSingleObject(process, 5000);
        return -1;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(process, &code);
    return static_cast<int>(code);
}

}  // namespace e2e
