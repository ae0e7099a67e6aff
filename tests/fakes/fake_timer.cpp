// The fake timer's clock.
#include "fakes/fake_timer.h"

namespace wyndrel::fakes {

void TFakeTimer::Start(std::uint32_t intervalMs) {
    FEnabled = true;
    SetInterval(intervalMs);
}

void TFakeTimer::SetInterval(std::uint32_t intervalMs) {
    FInterval = intervalMs;
    FNextDue = FNow + intervalMs;
}

void TFakeTimer::AdvanceTime(std::uint32_t ms) {
    FNow += ms;
    if (!FEnabled || FInterval == 0 || FNow < FNextDue) return;
    FNextDue += ((FNow - FNextDue) / FInterval + 1) * FInterval;
    ++FTicks;
    if (FOnTick) FOnTick();
}

}  // namespace wyndrel::fakes
