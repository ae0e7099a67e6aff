// A timer driven by the test's clock: time passes only when the test says so, and a tick
// reaches the handler as the window's timer event would.
#pragma once

#include "platform/timer.h"

#include <functional>

namespace wyndrel::fakes {

class TFakeTimer : public ITimer {
public:
    explicit TFakeTimer(std::function<void()> onTick = {}) : FOnTick(std::move(onTick)) {}
    void OnTick(std::function<void()> onTick) { FOnTick = std::move(onTick); }

    // Lets `ms` pass. Ticks that fall due meanwhile are merged into one, as the platform
    // merges waiting timer messages; the count goes on from the last due time.
    void AdvanceTime(std::uint32_t ms);
    int Ticks() const { return FTicks; }

    void Start(std::uint32_t intervalMs) override;
    void Stop() override { FEnabled = false; }
    void SetInterval(std::uint32_t intervalMs) override;
    bool Enabled() const override { return FEnabled; }
    std::uint32_t Interval() const override { return FInterval; }

private:
    std::function<void()> FOnTick;
    bool FEnabled = false;
    std::uint32_t FInterval = 0;
    std::uint64_t FNow = 0;
    std::uint64_t FNextDue = 0;
    int FTicks = 0;
};

}  // namespace wyndrel::fakes
