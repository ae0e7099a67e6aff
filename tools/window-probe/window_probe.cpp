// window-probe CLASS SECONDS [COUNT]: waits up to SECONDS until COUNT (1 unless given)
// visible top-level windows of the window class CLASS are up. Exit status 0 when they came
// (their captions are printed, one a line), 1 when they did not, 2 for a wrong command line.
// Used by scripts that check a program from outside.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct TSearch {
    const wchar_t* WindowClass;
    std::vector<HWND> Found;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<TSearch*>(param);
    wchar_t name[256] = L"";
    if (::IsWindowVisible(window) && ::GetClassNameW(window, name, 256) &&
        std::wcscmp(name, search.WindowClass) == 0)
        search.Found.push_back(window);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 && argc != 4) {
        std::fputws(L"usage: window-probe CLASS SECONDS [COUNT]\n", stderr);
        return 2;
    }
    const std::size_t count = argc == 4 ? std::wcstoul(argv[3], nullptr, 10) : 1;
    const ULONGLONG deadline = ::GetTickCount64() + 1000ULL * std::wcstoul(argv[2], nullptr, 10);
    for (;;) {
        TSearch search{argv[1], {}};
        ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
        if (search.Found.size() >= count) {
            for (HWND window : search.Found) {
                wchar_t caption[256] = L"";
                ::GetWindowTextW(window, caption, 256);
                std::wprintf(L"%ls\n", caption);
            }
            return 0;
        }
        if (::GetTickCount64() >= deadline) return 1;
        ::Sleep(100);  // sleep-ok: the poll's pause (another process's windows give nothing to wait
                       // on); the deadline bounds it
    }
}
