// SetTimer and KillTimer behind the timer port.
#include "platform/win32/win32_timer.h"

namespace wyndrel::win32 {

TWin32Timer::~TWin32Timer() {
    if (FEnabled && FWindow) ::KillTimer(FWindow, FId);
}

void TWin32Timer::AttachWindow(HWND window) {
    FWindow = window;
    Apply();
}

void TWin32Timer::Start(std::uint32_t intervalMs) {
    FInterval = intervalMs;
    FEnabled = true;
    Apply();
}

void TWin32Timer::Stop() {
    FEnabled = false;
    Apply();
}

void TWin32Timer::SetInterval(std::uint32_t intervalMs) {
    FInterval = intervalMs;
    Apply();
}

void TWin32Timer::Apply() {
    if (!FWindow) return;
    // SetTimer would turn 0 into its 10 ms minimum and make an idle timer race; an enabled
    // timer with no interval never ticks instead. SetTimer on a running id restarts its count.
    if (FEnabled && FInterval > 0)
        ::SetTimer(FWindow, FId, FInterval, nullptr);
    else
        ::KillTimer(FWindow, FId);
}

}  // namespace wyndrel::win32
