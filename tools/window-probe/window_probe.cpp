// window-probe CLASS SECONDS: waits up to SECONDS for a visible top-level window of the
// window class CLASS. Exit status 0 when one came (its caption is printed), 1 when none did,
// 2 for a wrong command line. Used by scripts that check a program from outside.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputws(L"usage: window-probe CLASS SECONDS\n", stderr);
        return 2;
    }
    const std::wstring windowClass = argv[1];
    const ULONGLONG deadline = ::GetTickCount64() + 1000ULL * std::wcstoul(argv[2], nullptr, 10);
    for (;;) {
        HWND window = ::FindWindowW(windowClass.c_str(), nullptr);
        if (window && ::IsWindowVisible(window)) {
            wchar_t caption[256] = L"";
            ::GetWindowTextW(window, caption, 256);
            std::wprintf(L"%ls\n", caption);
            return 0;
        }
        if (::GetTickCount64() >= deadline) return 1;
        ::Sleep(100);  // sleep-ok: the poll's pause (another process's windows give nothing to wait on); the deadline bounds it
    }
}
