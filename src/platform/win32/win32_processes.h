// The process port on Win32: CreateProcess, priority classes, WaitForInputIdle.
#pragma once

#include "platform/processes.h"

namespace wyndrel::win32 {

class TWin32Processes : public IProcesses {
public:
    [[nodiscard]] std::optional<TStartedProcess> StartProcess(
        const std::string& application, const std::string& commandLine,
        const std::optional<TStartPlacement>& placement) override;
    [[nodiscard]] bool SetPriority(const TStartedProcess& process,
                                   TPriorityClass priority) override;
    [[nodiscard]] TInputIdleResult WaitForInputIdle(const TStartedProcess& process,
                                                    std::uint32_t timeoutMs) override;
    void CloseProcess(const TStartedProcess& process) override;
    [[nodiscard]] bool ListProcesses(
        const std::function<bool(const std::string& exePath, ProcessId id)>& visit) override;
    std::uint32_t TickCount() override;
};

}  // namespace wyndrel::win32
