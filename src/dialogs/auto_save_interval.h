// The rules of the auto-save interval box on the sheet "自動保存2": what typed text it takes,
// and the detached arrows that move it by a minute.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace wyndrel::dialogs {

inline constexpr std::int32_t MaxAutoSaveInterval = 86400;  // seconds: one day
// What OK takes: a shorter interval would never tick.
inline constexpr std::int32_t MinAutoSaveInterval = 1;
inline constexpr std::int32_t IntervalArrowStep = 60;

struct TTypedInterval {
    std::int32_t Seconds = 0;
    bool Capped = false;  // the text stood for more than a day; the box then shows the cap
};

// Text made only of the digits 0-9 gives its number, at most a day; any other text (empty,
// a sign, a separator, a letter) gives none and the box keeps its value.
std::optional<TTypedInterval> IntervalFromText(std::string_view text);

// The interval after the arrows or the wheel asked the up-down to go from `position` to
// `requestedPosition`: moved by their difference, kept within 0 ... a day. The up-down itself
// stays at 0, so it can always step both ways.
std::int32_t SteppedInterval(std::int32_t seconds, std::int32_t position,
                             std::int32_t requestedPosition);

}  // namespace wyndrel::dialogs
