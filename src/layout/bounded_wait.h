// Waiting for something another program does in its own time (a window appearing, coming to
// the front, a document saved), bounded by the tick count, while the program sleeps on its
// message queue and handles what arrives, so its own windows stay responsive.
#pragma once

#include "platform/processes.h"
#include "platform/user_interface.h"

#include <cstdint>
#include <functional>

namespace wyndrel::layout {

// The sleep on the message queue between two looks at the condition.
inline constexpr std::uint32_t WaitPauseMs = 15;

class TBoundedWait {
public:
    TBoundedWait(IProcesses& processes, IUserInterface& ui) : FProcesses(processes), FUi(ui) {}

    // True as soon as `condition` holds; false when it still does not once `timeoutMs` have
    // passed. The condition is asked at the start and after every pause, the last pause
    // ending at the bound. Commands handled during a pause may change anything: the
    // condition reads the state afresh each time.
    [[nodiscard]] bool Until(const std::function<bool()>& condition, std::uint32_t timeoutMs);

private:
    IProcesses& FProcesses;
    IUserInterface& FUi;
};

}  // namespace wyndrel::layout
