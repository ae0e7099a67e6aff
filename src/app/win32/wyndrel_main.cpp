// The program's entry: builds the Win32 adapters and runs the program with them.
#include "platform/win32/message_loop.h"
#include "platform/win32/windows_header.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    // Nothing is resident yet: the message queue is emptied and the program ends.
    wyndrel::win32::ProcessPendingMessages();
    return 0;
}
