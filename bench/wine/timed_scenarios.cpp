// Timed scenarios against real editor windows: the engine's restore of 50 open editors and its
// capture of 400 beside the same raw Win32 calls, the processor time spent while waiting for
// an editor whose window appears 800 ms late, and wyndrel.exe /LOAD of a layout of 20 closed
// editors beside a plain program that starts them all at once. Prints one line per figure.
#include "layout/editor_launcher.h"
#include "layout/layout_engine.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_user_interface.h"
#include "platform/win32/windows_header.h"
#include "editor_search.h"
#include "load_grid.h"
#include "program_folder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int RestoreCount = 50;
constexpr int CaptureCount = 400;
constexpr int Rounds = 20;
// Whole-process runs of each side of the /LOAD scenario; the medians are compared.
constexpr int LoadRuns = 7;

using bench::FindShowing;
using bench::Folder;

struct TEditor {
    std::wstring Path;
    HWND Window = nullptr;
    PROCESS_INFORMATION Process{};
};

bool Start(TEditor& editor, const std::wstring& folder) {
    std::wstring line = L"\"" + folder + L"Quillon.exe\" \"" + editor.Path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &editor.Process))
        return false;
    ::WaitForInputIdle(editor.Process.hProcess, 30000);
    // With hundreds of editors open each search takes a while: the bound is in time.
    for (DWORD begun = ::GetTickCount(); !editor.Window && ::GetTickCount() - begun < 30000;
         ::Sleep(10))  // sleep-ok: the pause of a bounded poll for the window
        editor.Window = FindShowing(editor.Path);
    return editor.Window != nullptr;
}

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

template <typename Work>
double Time(Work work) {
    auto started = Clock::now();
    for (int round = 0; round < Rounds; ++round) work();
    return Milliseconds(Clock::now() - started) / Rounds;
}

// The calls a capture needs with no engine around them: the class, the path in one read, the
// show state, the rectangle and the caret.
int RawCapture() {
    int count = 0;
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            wchar_t name[256] = {};
            ::GetClassNameW(window, name, 256);
            if (std::wstring(name) != L"TQuillonMainForm") return TRUE;
            wchar_t text[512] = {};
            HWND edit = ::FindWindowExW(window, nullptr, L"TEdit", nullptr);
            ::SendMessageW(edit, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
            RECT bounds{};
            ::IsIconic(window);
            ::GetWindowRect(window, &bounds);
            ::IsZoomed(window);
            DWORD caret = 0;
            ::SendMessageW(::FindWindowExW(window, nullptr, L"TEditor", nullptr), EM_GETSEL,
                           reinterpret_cast<WPARAM>(&caret), 0);
            ++*reinterpret_cast<int*>(context);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
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
    auto value = [](FILETIME t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(value(kernel) + value(user)) / 10000.0;
}

void Terminate(PROCESS_INFORMATION& process) {
    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, 5000);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
}

// Ends the editor showing `path`, if one does; true when there was one.
bool EndEditorShowing(const std::wstring& path) {
    HWND window = FindShowing(path);
    if (!window) return false;
    DWORD id = 0;
    ::GetWindowThreadProcessId(window, &id);
    if (HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
        ::TerminateProcess(process, 0);
        ::WaitForSingleObject(process, 5000);
        ::CloseHandle(process);
    }
    return true;
}

bool WriteAscii(const std::wstring& path, const std::string& text) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool whole =
        ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
        written == text.size();
    ::CloseHandle(file);
    return whole;
}

// The whole process's run, start to end, in milliseconds; the editors it left are ended after.
// Writes how many grid editors stood on their rectangle at the end into `placed`.
double RunWhole(const std::wstring& commandLine, int& placed) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine;
    auto started = Clock::now();
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return -1;
    ::WaitForSingleObject(process.hProcess, 120000);
    double elapsed = Milliseconds(Clock::now() - started);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    placed = 0;
    for (int i = 0; i < bench::LoadEditorCount; ++i) {
        RECT bounds{};
        const bench::TGridBox box = bench::LoadGridBox(i);
        HWND window = FindShowing(bench::LoadGridFile(i));
        if (window && ::GetWindowRect(window, &bounds) && bounds.left == box.Left &&
            bounds.top == box.Top)
            ++placed;
    }
    for (int i = 0; i < bench::LoadEditorCount; ++i) EndEditorShowing(bench::LoadGridFile(i));
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// wyndrel.exe /LOAD of the grid's layout with every editor closed, beside the plain program
// that starts them all at once, alternating, in whole processes.
int LoadScenario(const std::wstring& folder) {
    std::string layout = "[QuillonLayoutFile]\r\n";
    for (int i = 0; i < bench::LoadEditorCount; ++i) {
        const std::wstring file = bench::LoadGridFile(i);
        if (!WriteAscii(file, "restored by the bench\r\n")) return 1;
        const bench::TGridBox box = bench::LoadGridBox(i);
        layout += "File=" + wyndrel::win32::Narrow(file) +
                  "\r\nCurs=3\r\nRect=" + std::to_string(box.Left) + "," + std::to_string(box.Top) +
                  "," + std::to_string(box.Width) + "," + std::to_string(box.Height) + "\r\n";
    }
    const std::wstring layoutPath = bench::LoadGridFile(-1) + L".qdl";
    const std::wstring settings = folder + L"wyndrel.ini";
    if (!WriteAscii(layoutPath, layout) ||
        !WriteAscii(settings,
                    "[Option]\r\nQuilPath=" + wyndrel::win32::Narrow(folder) + "Quillon.exe\r\n"))
        return 1;
    std::vector<double> loads, baselines;
    int loadPlaced = 0, baselinePlaced = 0;
    for (int run = 0; run < LoadRuns; ++run) {
        loads.push_back(
            RunWhole(L"\"" + folder + L"wyndrel.exe\" /LOAD \"" + layoutPath + L"\"", loadPlaced));
        baselines.push_back(RunWhole(L"\"" + folder + L"wyndrel_start_all.exe\"", baselinePlaced));
    }
    ::DeleteFileW(settings.c_str());
    const double load = Median(loads), baseline = Median(baselines);
    std::printf(
        "/LOAD of %d closed editors: wyndrel.exe %.0f ms (%d placed), starting them all at once "
        "%.0f ms "
        "(%d placed), medians of %d runs, ratio %.2f\n",
        bench::LoadEditorCount, load, loadPlaced, baseline, baselinePlaced, LoadRuns,
        load / baseline);
    return 0;
}

}  // namespace

int wmain() {
    const std::wstring folder = Folder();
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    std::vector<TEditor> editors(CaptureCount);
    auto start = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            editors[i].Path = std::wstring(temp) + L"wyndrel-bench-" + std::to_wstring(i) + L".txt";
            if (!Start(editors[i], folder)) {
                std::printf("timed: editor %d did not start\n", i);
                return false;
            }
        }
        return true;
    };
    wyndrel::win32::TWin32Desktop desktop;
    wyndrel::win32::TWin32Processes processes;
    wyndrel::win32::TWin32UserInterface ui;
    wyndrel::layout::TLayoutEngine engine(desktop);
    const wyndrel::layout::TEditorPath editorPath(wyndrel::win32::Narrow(folder + L"Quillon.exe"));
    wyndrel::layout::TEditorLauncher launcher(engine, editorPath, processes, ui);

    if (!start(0, RestoreCount)) return 1;
    const std::vector<TEditor> restored(editors.begin(), editors.begin() + RestoreCount);
    double rawRestore = Time([&] { RawRestore(restored); });
    double restore = Time([&] {
        for (const TEditor& editor : restored)
            launcher.OpenLayoutEntry(wyndrel::win32::Narrow(editor.Path), 20, 20, 400, 300, 3);
    });
    std::printf("restore of %d open editors: engine %.2f ms, raw calls %.2f ms, ratio %.2f\n",
                RestoreCount, restore, rawRestore, restore / rawRestore);

    if (!start(RestoreCount, CaptureCount)) return 1;
    double raw = Time([] { RawCapture(); });
    double captured = Time([&] { engine.CaptureEditors(); });
    std::printf("capture of %d editors: engine %.2f ms, raw calls %.2f ms, ratio %.2f\n",
                CaptureCount, captured, raw, captured / raw);

    // The wait is measured alone on the desktop, so each search is cheap and what remains
    // is the waiting itself.
    for (TEditor& editor : editors) Terminate(editor.Process);
    ::Sleep(500);  // sleep-ok: the ended editors leave the desktop before the timing
    if (LoadScenario(folder) != 0) {
        std::printf("timed: the /LOAD scenario could not write its files\n");
        return 1;
    }
    ::SetEnvironmentVariableW(L"QUILLON_DOUBLE_WINDOW_DELAY_MS", L"800");
    std::wstring late = std::wstring(temp) + L"wyndrel-bench-late.txt";
    double processorBefore = ProcessorMilliseconds();
    auto started = Clock::now();
    launcher.OpenLayoutEntry(wyndrel::win32::Narrow(late), 50, 50, 400, 300, 0);
    double waited = Milliseconds(Clock::now() - started);
    double processor = ProcessorMilliseconds() - processorBefore;
    std::printf(
        "wait for a window 800 ms late: %.0f ms elapsed, %.1f ms of processor time, found %s\n",
        waited, processor, FindShowing(late) ? "yes" : "no");
    EndEditorShowing(late);
    return 0;
}
