// Checking a typed auto-save interval and turning seconds into the timer's milliseconds.
#include "app/auto_save_interval.h"

#include <algorithm>
#include <limits>

namespace wyndrel::app {

TIntervalAnswer CheckInterval(std::string_view text) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    std::int64_t value = 0;
    for (char digit : text) {
        value = value * 10 + (digit - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
            throw EConvertError("'" + std::string(text) + "' は整数ではありません");
    }
    if (value < 1 || value > MaxIntervalSeconds) return {};
    return {TIntervalCheck::Valid, static_cast<std::int32_t>(value)};
}

std::uint32_t IntervalMs(std::int32_t seconds) {
    const std::int64_t ms = static_cast<std::int64_t>(seconds) * 1000;
    return static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(ms, 0, std::numeric_limits<std::uint32_t>::max()));
}

}  // namespace wyndrel::app
