// The timer port: one timer of a window, ticking on the user-interface thread.
#pragma once

#include <cstdint>

namespace wyndrel {

// A tick arrives as the owning window's timer event, never as a callback, so every tick runs
// inside the window's exception barrier. Ticks do not pile up: a tick that falls due while
// the previous one is still waiting is merged with it.
class ITimer {
public:
    virtual ~ITimer() = default;

    // Starts counting a full interval from now (also when already running). An interval of
    // 0 leaves the timer enabled but it never ticks.
    virtual void Start(std::uint32_t intervalMs) = 0;
    virtual void Stop() = 0;
    // Takes effect at once; a running timer starts a full new interval from now.
    virtual void SetInterval(std::uint32_t intervalMs) = 0;
    virtual bool Enabled() const = 0;
    virtual std::uint32_t Interval() const = 0;
};

}  // namespace wyndrel
