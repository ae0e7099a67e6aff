// The clock port: local date and time, and a seed for random choices.
#pragma once

#include <cstdint>

namespace wyndrel {

struct TLocalDateTime {
    int Year = 2000;
    int Month = 1;  // 1 to 12
    int Day = 1;    // 1 to 31
    int Hour = 0;   // 0 to 23
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
    int DayOfWeek = 6;  // 0 = Sunday ... 6 = Saturday
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual TLocalDateTime LocalNow() = 0;
    virtual std::uint32_t RandomSeed() = 0;
};

}  // namespace wyndrel
