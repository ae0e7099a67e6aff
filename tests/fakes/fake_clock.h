// A clock that shows the time the test sets and counts how often it was read.
#pragma once

#include "platform/clock.h"

namespace wyndrel::fakes {

class TFakeClock : public IClock {
public:
    explicit TFakeClock(TLocalDateTime now = {2026, 12, 8, 9, 5, 7, 0, 2}) : FNow(now) {}
    void SetNow(TLocalDateTime now) { FNow = now; }
    int Reads() const { return FReads; }

    TLocalDateTime LocalNow() override {
        ++FReads;
        return FNow;
    }
    std::uint32_t RandomSeed() override { return 1; }

private:
    TLocalDateTime FNow;
    int FReads = 0;
};

}  // namespace wyndrel::fakes
