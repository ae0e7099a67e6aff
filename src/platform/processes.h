// The process port: starting a command line, its priority, waiting until it is ready for
// input, and the tick count that bounds the program's waits.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace wyndrel {

// Position and size asked of a new program's first window through its start-up information.
using TStartPlacement = TWindowBox;

// A started process the caller holds until it calls CloseProcess.
struct TStartedProcess {
    std::uintptr_t Handle = 0;
    ProcessId Id;
};

enum class TPriorityClass { Idle, Normal, High, RealTime };

enum class TInputIdleResult { Ready, TimedOut, Failed };

class IProcesses {
public:
    virtual ~IProcesses() = default;

    // CreateProcess of the program at the path `application` names, with `commandLine` as
    // the command line it sees, no handle inheritance and no creation flags, in the
    // program's environment and current folder; no value when it failed. With the program
    // named, the system does not read it from an unquoted command line, where a path with
    // blanks ("C:\Program Files\...") would be tried as "C:\Program.exe" first.
    [[nodiscard]] virtual std::optional<TStartedProcess> StartProcess(
        const std::string& application, const std::string& commandLine,
        const std::optional<TStartPlacement>& placement) = 0;
    [[nodiscard]] virtual bool SetPriority(const TStartedProcess& process,
                                           TPriorityClass priority) = 0;
    // WaitForInputIdle with a bound in milliseconds.
    [[nodiscard]] virtual TInputIdleResult WaitForInputIdle(const TStartedProcess& process,
                                                            std::uint32_t timeoutMs) = 0;
    // Releases the handles; the process itself goes on.
    virtual void CloseProcess(const TStartedProcess& process) = 0;

    // Visits every running process whose executable path can be read, with that full path,
    // while `visit` returns true; false when the process list could not be taken at all.
    [[nodiscard]] virtual bool ListProcesses(
        const std::function<bool(const std::string& exePath, ProcessId id)>& visit) = 0;

    // Milliseconds since the system started, wrapping as GetTickCount does.
    virtual std::uint32_t TickCount() = 0;
};

}  // namespace wyndrel
