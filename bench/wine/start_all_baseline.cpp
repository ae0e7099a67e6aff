// The baseline of restoring a layout of closed editors: a plain program that starts every
// editor of the grid at once, then waits until each window shows its file and puts it on its
// rectangle. Exit code: how many windows it did not find.
#include "editor_search.h"
#include "load_grid.h"
#include "program_folder.h"

#include <vector>

int wmain() {
    const std::wstring editor = bench::Folder() + L"Quillon.exe";
    std::vector<PROCESS_INFORMATION> started(bench::LoadEditorCount);
    for (int i = 0; i < bench::LoadEditorCount; ++i) {
        const bench::TGridBox box = bench::LoadGridBox(i);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USEPOSITION | STARTF_USESIZE;
        startup.dwX = static_cast<DWORD>(box.Left);
        startup.dwY = static_cast<DWORD>(box.Top);
        startup.dwXSize = static_cast<DWORD>(box.Width);
        startup.dwYSize = static_cast<DWORD>(box.Height);
        std::wstring line = L"\"" + editor + L"\" \"" + bench::LoadGridFile(i) + L"\"";
        ::CreateProcessW(editor.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &started[i]);
    }
    int missing = 0;
    for (int i = 0; i < bench::LoadEditorCount; ++i) {
        ::WaitForInputIdle(started[i].hProcess, 30000);
        HWND window = nullptr;
        for (DWORD begun = ::GetTickCount(); !window && ::GetTickCount() - begun < 1000;
             ::Sleep(15))  // sleep-ok: the pause of a bounded poll for the window
            window = bench::FindShowing(bench::LoadGridFile(i));
        if (!window) {
            ++missing;
            continue;
        }
        const bench::TGridBox box = bench::LoadGridBox(i);
        ::SetWindowPos(window, HWND_NOTOPMOST, box.Left, box.Top, box.Width, box.Height,
                       SWP_SHOWWINDOW);
        ::CloseHandle(started[i].hProcess);
        ::CloseHandle(started[i].hThread);
    }
    return missing;
}
