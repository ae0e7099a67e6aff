// The bounded wait. Elapsed time is a difference of tick counts, right across the count's
// wrap-around after 49.7 days.
#include "layout/bounded_wait.h"

#include <algorithm>

namespace wyndrel::layout {

bool TBoundedWait::Until(const std::function<bool()>& condition, std::uint32_t timeoutMs) {
    const std::uint32_t started = FProcesses.TickCount();
    while (!condition()) {
        const std::uint32_t elapsed = FProcesses.TickCount() - started;
        if (elapsed >= timeoutMs) return false;
        FUi.WaitForMessages(std::min(WaitPauseMs, timeoutMs - elapsed));
    }
    return true;
}

}  // namespace wyndrel::layout
