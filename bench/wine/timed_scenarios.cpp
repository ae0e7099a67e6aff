// Timed scenarios against real editor windows: the engine's capture and restore of 50 open
// editors beside the same raw Win32 calls, and the processor time spent while waiting for
// an editor whose window appears 800 ms late. Prints one line per figure.
#include "layout/editor_launcher.h"
#include "layout/layout_engine.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_user_interface.h"
#include "platform/win32/windows_header.h"
#include "program_folder.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int EditorCount = 50;
constexpr int Rounds = 20;

using bench::Folder;

struct TEditor {
    std::wstring Path;
    HWND Window = nullptr;
    PROCESS_INFORMATION Process{};
};

HWND FindShowing(const std::wstring& path) {
    struct TSearch { const std::wstring* Path; HWND Found; } search{&path, nullptr};
    ::EnumWindows([](HWND window, LPARAM context) -> BOOL {
        auto& s = *reinterpret_cast<TSearch*>(context);
        wchar_t name[256] = {};
        ::GetClassNameW(window, name, 256);
        if (std::wstring(name) != L"TQuillonMainForm") return TRUE;
        HWND edit = ::FindWindowExW(window, nullptr, L"TEdit", nullptr);
        wchar_t text[256] = {};
        ::SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
        ::SendMessageW(edit, WM_GETTEXT, 255, reinterpret_cast<LPARAM>(text));
        if (::lstrcmpiW(text, s.Path->c_str()) != 0) return TRUE;
        s.Found = window;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

bool Start(TEditor& editor, const std::wstring& folder) {
    std::wstring line = L"\"" + folder + L"Quillon.exe\" \"" + editor.Path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &editor.Process))
        return false;
    ::WaitForInputIdle(editor.Process.hProcess, 10000);
    for (int i = 0; i < 500 && !editor.Window; ++i) {
        editor.Window = FindShowing(editor.Path);
        if (!editor.Window) ::Sleep(10);
    }
    return editor.Window != nullptr;
}

double Milliseconds(Clock::duration duration) { return std::chrono::duration<double, std::milli>(duration).count(); }

template <typename Work>
double Time(Work work) {
    auto started = Clock::now();
    for (int round = 0; round < Rounds; ++round) work();
    return Milliseconds(Clock::now() - started) / Rounds;
}

// The capture's own calls with no engine around them.
int RawCapture() {
    int count = 0;
    ::EnumWindows([](HWND window, LPARAM context) -> BOOL {
        wchar_t name[256] = {};
        ::GetClassNameW(window, name, 256);
        if (std::wstring(name) != L"TQuillonMainForm") return TRUE;
        wchar_t text[256] = {};
        HWND edit = ::FindWindowExW(window, nullptr, L"TEdit", nullptr);
        ::SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
        ::SendMessageW(edit, WM_GETTEXT, 255, reinterpret_cast<LPARAM>(text));
        RECT bounds{};
        ::GetWindowRect(window, &bounds);
        DWORD caret = 0;
        ::SendMessageW(::FindWindowExW(window, nullptr, L"TEditor", nullptr), EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
        ++*reinterpret_cast<int*>(context);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&count));
    return count;
}

void RawRestore(const std::vector<TEditor>& editors) {
    for (const TEditor& editor : editors) {
        HWND window = FindShowing(editor.Path);
        if (::IsZoomed(window) || ::IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
        ::SetWindowPos(window, HWND_NOTOPMOST, 20, 20, 400, 300, SWP_SHOWWINDOW);
        ::SetForegroundWindow(window);
        HWND text = ::FindWindowExW(window, nullptr, L"TEditor", nullptr);
        ::SendMessageW(text, EM_SETSEL, 3, 3);
        ::SendMessageW(text, EM_SCROLLCARET, 0, 0);
    }
}

double ProcessorMilliseconds() {
    FILETIME created, ended, kernel, user;
    ::GetProcessTimes(::GetCurrentProcess(), &created, &ended, &kernel, &user);
    auto value = [](FILETIME t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(value(kernel) + value(user)) / 10000.0;
}

}  // namespace

int wmain() {
    const std::wstring folder = Folder();
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    std::vector<TEditor> editors(EditorCount);
    for (int i = 0; i < EditorCount; ++i) {
        editors[i].Path = std::wstring(temp) + L"wyndrel-bench-" + std::to_wstring(i) + L".txt";
        if (!Start(editors[i], folder)) {
            std::printf("timed: editor %d did not start\n", i);
            return 1;
        }
    }
    wyndrel::win32::TWin32Desktop desktop;
    wyndrel::win32::TWin32Processes processes;
    wyndrel::win32::TWin32UserInterface ui;
    wyndrel::layout::TLayoutEngine engine(desktop);
    const wyndrel::layout::TEditorPath editorPath(wyndrel::win32::Narrow(folder + L"Quillon.exe"));
    wyndrel::layout::TEditorLauncher launcher(engine, editorPath, processes, ui);

    double raw = Time([] { RawCapture(); });
    double captured = Time([&] { engine.CaptureEditors(); });
    std::printf("capture of %d editors: engine %.2f ms, raw calls %.2f ms, ratio %.2f\n", EditorCount, captured, raw,
                captured / raw);

    double rawRestore = Time([&] { RawRestore(editors); });
    double restore = Time([&] {
        for (const TEditor& editor : editors)
            launcher.OpenLayoutEntry(wyndrel::win32::Narrow(editor.Path), 20, 20, 400, 300, 3);
    });
    std::printf("restore of %d open editors: engine %.2f ms, raw calls %.2f ms, ratio %.2f\n", EditorCount, restore,
                rawRestore, restore / rawRestore);

    // The wait is measured alone on the desktop, so each search is cheap and what remains
    // is the waiting itself.
    for (TEditor& editor : editors) {
        ::TerminateProcess(editor.Process.hProcess, 0);
        ::CloseHandle(editor.Process.hProcess);
        ::CloseHandle(editor.Process.hThread);
    }
    ::Sleep(500);
    ::SetEnvironmentVariableW(L"QUILLON_DOUBLE_WINDOW_DELAY_MS", L"800");
    std::wstring late = std::wstring(temp) + L"wyndrel-bench-late.txt";
    double processorBefore = ProcessorMilliseconds();
    auto started = Clock::now();
    launcher.OpenLayoutEntry(wyndrel::win32::Narrow(late), 50, 50, 400, 300, 0);
    double waited = Milliseconds(Clock::now() - started);
    double processor = ProcessorMilliseconds() - processorBefore;
    std::printf("wait for a window 800 ms late: %.0f ms elapsed, %.1f ms of processor time, found %s\n", waited,
                processor, FindShowing(late) ? "yes" : "no");

    if (HWND lateWindow = FindShowing(late)) {
        DWORD id = 0;
        ::GetWindowThreadProcessId(lateWindow, &id);
        if (HANDLE process = ::OpenProcess(PROCESS_TERMINATE, FALSE, id)) {
            ::TerminateProcess(process, 0);
            ::CloseHandle(process);
        }
    }
    return 0;
}
