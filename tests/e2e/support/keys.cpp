// Focus look-up and posted key strokes.
#include "support/keys.h"

namespace e2e {

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

void PressKey(HWND dialog, WPARAM key) {
    ::PostMessageW(FocusOf(dialog), WM_KEYDOWN, key, 1);
    ::PostMessageW(FocusOf(dialog), WM_KEYUP, key, 0xC0000001);
}

}  // namespace e2e
