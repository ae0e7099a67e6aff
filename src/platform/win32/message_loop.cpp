// GetMessage / PeekMessage loops.
#include "platform/win32/message_loop.h"

namespace wyndrel::win32 {
namespace {

void Deliver(MSG& message, HWND keyboardWindow) {
    if (keyboardWindow && ::IsDialogMessageW(keyboardWindow, &message)) return;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

}  // namespace

int RunMessageLoop(HWND keyboardWindow) {
    MSG message{};
    BOOL got;
    while ((got = ::GetMessageW(&message, nullptr, 0, 0)) != 0) {
        if (got == -1) return 1;
        Deliver(message, keyboardWindow);
    }
    return static_cast<int>(message.wParam);
}

void ProcessPendingMessages() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave the quit request for the main loop to see.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Deliver(message, nullptr);
    }
}

}  // namespace wyndrel::win32
