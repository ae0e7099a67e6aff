// Starting the programs under test from a test, and ending every one of them afterwards.
#pragma once

#include "platform/win32/unique_handle.h"

#include <utility>

#include <string>
#include <vector>

namespace e2e {

// The folder of the test executable, with its closing backslash, where wyndrel.exe and
// Quillon.exe stand.
std::wstring ProgramFolder();

struct TStartOptions {
    bool HasPlacement = false;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::vector<std::pair<std::wstring, std::wstring>> Environment;  // added to this process's
    std::wstring WorkingFolder;                                      // empty: this process's
};

// Ends every process it started, also when a test fails.
// The exit code of `process` once it has ended, or -1 when it did not end within
// `timeoutMs` (it is then ended).
int WaitForExit(HANDLE process, unsigned timeoutMs);

struct TRunningProcess {
    DWORD Id;
    DWORD ParentId;  // the process that started it, which may have ended since
};
// Every process running now, from one snapshot of the system.
std::vector<TRunningProcess> RunningProcesses();

// Ends the processes `parent` started that run in the high priority class: the program
// gives a started editor that class only while it waits for it to get ready. How many ended.
int KillChildrenBeingWaitedFor(HANDLE parent);
// Ends the process `parent` started `ordinal`-th (from 0, by creation time) among those that
// still run; false when there is no such process.
bool KillStartedChild(HANDLE parent, int ordinal);

class TProcessGuard {
public:
    TProcessGuard() = default;
    TProcessGuard(const TProcessGuard&) = delete;
    TProcessGuard& operator=(const TProcessGuard&) = delete;
    ~TProcessGuard();

    // Starts `commandLine` (no application name); the process handle, or null.
    HANDLE Start(const std::wstring& commandLine, const TStartOptions& options = {});
    // Starts Quillon.exe with `arguments` (for instance a quoted path).
    HANDLE StartEditor(const std::wstring& arguments, const TStartOptions& options = {});
    // Starts Quillon.exe on `path` (quoted on the command line) and waits up to `timeoutMs`
    // for its main window showing that path; null when none came.
    HWND OpenEditor(const std::wstring& path, const TStartOptions& options = {},
                    unsigned timeoutMs = 10000);
    // Starts wyndrel.exe with `arguments` and returns at once: its process handle, or null.
    HANDLE StartWyndrel(const std::wstring& arguments, const TStartOptions& options = {});
    // Runs wyndrel.exe with `arguments` and waits up to `timeoutMs`: its exit code, or -1
    // when it did not end in time (it is then ended).
    int RunWyndrel(const std::wstring& arguments, unsigned timeoutMs = 30000);
    // Takes on the process that owns `window` (an editor a program under test started),
    // so that it is ended with the others.
    void Adopt(HWND window);

private:
    std::vector<wyndrel::win32::TUniqueHandle> FProcesses;
};

}  // namespace e2e
