// The interval box's rules; the arithmetic stays in 64 bits so no text or step can wrap.
#include "dialogs/auto_save_interval.h"

#include <algorithm>

namespace wyndrel::dialogs {

std::optional<TTypedInterval> IntervalFromText(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min<std::int64_t>(value * 10 + (c - '0'), MaxAutoSaveInterval + 1);
    }
    if (value > MaxAutoSaveInterval) return TTypedInterval{MaxAutoSaveInterval, true};
    return TTypedInterval{static_cast<std::int32_t>(value), false};
}

std::int32_t SteppedInterval(std::int32_t seconds, std::int32_t position,
                             std::int32_t requestedPosition) {
    const std::int64_t stepped = static_cast<std::int64_t>(seconds) +
                                 static_cast<std::int64_t>(requestedPosition) - position;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(stepped, 0, MaxAutoSaveInterval));
}

}  // namespace wyndrel::dialogs
