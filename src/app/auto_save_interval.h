// The auto-save interval: what the user may type for it, and the timer's milliseconds for a
// stored number of seconds.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace wyndrel::app {

// The largest whole number of seconds whose milliseconds still fit a signed 32-bit integer.
inline constexpr std::int32_t MaxIntervalSeconds = 2147483;

inline constexpr const char* IntervalCaption = "自動保存間隔の入力";
inline constexpr const char* IntervalPrompt = "自動保存間隔を秒で入力して下さい";
inline constexpr const char* IntervalRetryPrompt = "自然数(1～2147483)で秒を入力して下さい";

// A digit string too large for an integer: the command ends with this error's message.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TIntervalCheck { Valid, Invalid };

struct TIntervalAnswer {
    TIntervalCheck Check = TIntervalCheck::Invalid;
    std::int32_t Seconds = 0;
};

// Valid: ASCII digits only (leading zeros allowed) with a value of 1 ... MaxIntervalSeconds.
// Raises EConvertError "'<text>' は整数ではありません" for digits beyond 2147483647.
TIntervalAnswer CheckInterval(std::string_view text);

// The timer's interval for stored seconds. The stored value is taken as it is; one below 0
// gives a timer that never ticks, and one beyond the timer's range its longest interval.
std::uint32_t IntervalMs(std::int32_t seconds);

}  // namespace wyndrel::app
