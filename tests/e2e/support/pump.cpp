// The pumping wait of the in-process window tests.
#include "support/pump.h"

#include "platform/win32/message_loop.h"

namespace e2e {

bool PumpUntil(const std::function<bool()>& condition, unsigned timeoutMs) {
    const DWORD started = ::GetTickCount();
    for (;;) {
        wyndrel::win32::ProcessPendingMessages();
        if (condition()) return true;
        DWORD elapsed = ::GetTickCount() - started;
        if (elapsed >= timeoutMs) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
    }
}

}  // namespace e2e
