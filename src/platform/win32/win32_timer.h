// The timer port on a window: SetTimer with the window and an id, ticks as WM_TIMER, which
// the window's procedure hands on (never a timer callback, so the exception barrier covers
// every tick).
#pragma once

#include "platform/timer.h"
#include "platform/win32/windows_header.h"

namespace wyndrel::win32 {

class TWin32Timer : public ITimer {
public:
    TWin32Timer(HWND window, UINT_PTR id) : FWindow(window), FId(id) {}
    // For a window that does not exist yet: the timer keeps its state until it is attached.
    explicit TWin32Timer(UINT_PTR id) : TWin32Timer(nullptr, id) {}
    void AttachWindow(HWND window);
    ~TWin32Timer() override;
    TWin32Timer(const TWin32Timer&) = delete;
    TWin32Timer& operator=(const TWin32Timer&) = delete;

    void Start(std::uint32_t intervalMs) override;
    void Stop() override;
    void SetInterval(std::uint32_t intervalMs) override;
    bool Enabled() const override { return FEnabled; }
    std::uint32_t Interval() const override { return FInterval; }

private:
    void Apply();

    HWND FWindow;
    UINT_PTR FId;
    bool FEnabled = false;
    std::uint32_t FInterval = 0;
};

}  // namespace wyndrel::win32
