// GetMessage / PeekMessage loops sharing one delivery step.
#include "platform/win32/message_loop.h"

namespace wyndrel::win32 {
namespace {

// A window property rather than a list of windows: a window created anywhere in the
// program can ask for dialog keys, and the mark dies with the window.
constexpr const wchar_t* DialogKeysProperty = L"Wyndrel.DialogKeys";

void Deliver(MSG& message, const TAccelerators& accelerators) {
    if (accelerators.Table &&
        ::TranslateAcceleratorW(accelerators.Window, accelerators.Table, &message))
        return;
    HWND root = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && ::GetPropW(root, DialogKeysProperty) && ::IsDialogMessageW(root, &message)) return;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

}  // namespace

void EnableDialogKeys(HWND window) {
    ::SetPropW(window, DialogKeysProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(1)));
}

void ForgetDialogKeys(HWND window) { ::RemovePropW(window, DialogKeysProperty); }

int RunMessageLoop(const TAccelerators& accelerators) {
    MSG message{};
    BOOL got;
    while ((got = ::GetMessageW(&message, nullptr, 0, 0)) != 0) {
        if (got == -1) return 1;
        Deliver(message, accelerators);
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
        Deliver(message, {});
    }
}

}  // namespace wyndrel::win32
