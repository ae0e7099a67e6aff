// The running processes' executable paths, one per process, with a callback per process.
#pragma once

#include "platform/processes.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace wyndrel::layout {

// Raised when the process list cannot be taken; the message is the user's explanation.
class EEnumProcessesError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* SnapshotFailedText =
    "プロセスのスナップショットを取得できませんでした。";

// Called per process with its path, its id, the flag that stops the enumeration when
// cleared, and the caller's value.
using TEnumProcessesProc = std::function<void(const std::string& exeName, std::uint32_t processId,
                                              bool& continueEnum, std::int32_t lParam)>;

class TEnumProcesses {
public:
    explicit TEnumProcesses(IProcesses& processes) : FProcesses(processes) {}

    const std::vector<std::string>& Paths() const { return FPaths; }
    TEnumProcessesProc OnEnum;
    bool IsShowMsg = false;  // kept for callers that set it; nothing depends on it

    // Clears Paths and fills it with every process's path, blanks and control characters
    // around it removed; raises EEnumProcessesError when the list cannot be taken.
    void Enumerate(std::int32_t lParam);

private:
    IProcesses& FProcesses;
    std::vector<std::string> FPaths;
};

}  // namespace wyndrel::layout
