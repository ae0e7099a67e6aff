// post-message CLASS MESSAGE [WPARAM [LPARAM]]: posts the message to the first top-level
// window of that class, waiting up to ten seconds for one to exist. Exit code 0 when
// posted, 1 when no such window came, 2 for wrong arguments.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc < 3 || argc > 5) {
        std::fwprintf(stderr, L"usage: post-message CLASS MESSAGE [WPARAM [LPARAM]]\n");
        return 2;
    }
    const UINT message = static_cast<UINT>(std::wcstoul(argv[2], nullptr, 0));
    const WPARAM wParam = argc > 3 ? static_cast<WPARAM>(std::wcstoull(argv[3], nullptr, 0)) : 0;
    const LPARAM lParam = argc > 4 ? static_cast<LPARAM>(std::wcstoll(argv[4], nullptr, 0)) : 0;
    const ULONGLONG deadline = ::GetTickCount64() + 10000;
    for (;;) {
        if (HWND window = ::FindWindowW(argv[1], nullptr))
            return ::PostMessageW(window, message, wParam, lParam) ? 0 : 1;
        if (::GetTickCount64() >= deadline) return 1;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);  // the poll's pause
    }
}
