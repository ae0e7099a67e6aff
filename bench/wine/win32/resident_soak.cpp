// The resident program through many rounds of its commands beside 20 open editors, driven
// from outside as a user's clicks arrive: every round's layout file must be the first
// round's, byte for byte, and every editor must be there once; after every block of rounds
// its counts are printed, and they must stay flat over the last four fifths of the rounds.
#include "app/main_window_ids.h"
#include "dialogs/option_ids.h"
#include "dialogs/quillon_list_ids.h"
#include "soak_counts.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/remote_controls.h"
#include "support/temp_folder.h"
#include "support/wyndrel_settings.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace ids = wyndrel::app::ids;
using namespace e2e;

constexpr int Editors = 20;
constexpr unsigned StepTimeoutMs = 30000;
// Growth allowed over the measured stretch before a count is called a leak.
constexpr long FlatTolerance = 2;
const std::wstring EditorText = L"soak line one\r\nsoak line two\r\nsoak line three\r\n";

struct TFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void Check(bool condition, const char* what) {
    if (!condition) throw TFailure(what);
}

// A positive whole number from the environment, or `fallback`.
int Setting(const char* name, int fallback) {
    const char* text = std::getenv(name);
    const int value = text ? std::atoi(text) : 0;
    return value > 0 ? value : fallback;
}

std::size_t LineCount(const std::string& text) {
    return static_cast<std::size_t>(std::ranges::count(text, '\n'));
}

class TSoak {
public:
    TSoak()
        : Settings(
              "StartWindowPosType=2\r\nUserLeft=900\r\nUserTop=700\r\n"
              "[AutoSave]\r\nForAllFiles=True\r\nSaveType=True\r\n") {}
    ~TSoak() {
        for (HWND editor : TopLevelWindowsOfClass(L"TQuillonMainForm")) Processes.Adopt(editor);
    }

    HANDLE Start();
    void Round(int round);
    void Quit() {
        Click(ids::btnClose);
        Check(WaitForExit(Resident, StepTimeoutMs) == 0,
              "the resident program did not end on its close button");
    }

private:
    std::wstring Document(int i) const {
        return Folder.File(L"doc" + std::to_wstring(i) + L".txt");
    }
    RECT Place(int i) const {
        const LONG left = 10 + (i % 5) * 250, top = 10 + (i / 5) * 160;
        return {left, top, left + 240, top + 150};
    }
    void Click(int id) { ::PostMessageW(Window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    bool Idle() {
        return WaitUntil([&] { return ::IsWindowEnabled(Window) != FALSE; }, StepTimeoutMs);
    }
    HWND Dialog(const std::wstring& caption) {
        HWND dialog = WaitForDialog(caption, StepTimeoutMs);
        Check(dialog != nullptr, "a dialog did not open");
        return dialog;
    }
    void SetText(HWND editor, int i, bool modified);
    static void SetCaret(HWND editor, int i);
    void Restack();
    std::vector<HWND> EditorsOnce();
    bool AllAtPlaces(const std::vector<HWND>& editors, bool at);
    void SaveAndCompare(int round);
    void CloseTwoAndRestore(int round);
    void ScatterAndPutInOrder();
    void AutoSavePass();
    void OpenAndCloseTheWindows();

    TTempFolder Folder;
    TWyndrelSettings Settings;
    TProcessGuard Processes;
    const std::wstring SaveLog = Folder.File(L"saves.log");
    const std::wstring Snapshot = ProgramFolder() + L"VOREZUVA.KTDK";
    std::string FirstLayout;
    HANDLE Resident = nullptr;
    HWND Window = nullptr;
};

// A fixed text and a caret of its own in each editor, so that every save records the same.
void TSoak::SetText(HWND editor, int i, bool modified) {
    HWND text = EditorTextControl(editor);
    ::SendMessageW(text, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(EditorText.c_str()));
    SetCaret(editor, i);
    ::SendMessageW(text, EM_SETMODIFY, modified ? TRUE : FALSE, 0);
}

void TSoak::SetCaret(HWND editor, int i) {
    ::SendMessageW(EditorTextControl(editor), EM_SETSEL, static_cast<WPARAM>(i + 1),
                   static_cast<LPARAM>(i + 1));
}

// A save records the editors in Z order, and each read brings them forward in its file's
// order, which reverses the stacking (and under Wine the foreground changes across processes
// settle in no fixed order). So that every file can be compared whole, the editors are
// stacked the same way before each save: the first document at the bottom.
void TSoak::Restack() {
    const std::vector<HWND> editors = EditorsOnce();
    for (HWND editor : editors)
        ::SetWindowPos(editor, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Check(WaitUntil(
              [&] {
                  std::vector<HWND> stack;
                  for (HWND window : TopLevelWindowsOfClass(L"TQuillonMainForm"))
                      if (::IsWindowVisible(window)) stack.push_back(window);
                  return std::equal(stack.rbegin(), stack.rend(), editors.begin(), editors.end());
              },
              StepTimeoutMs),
          "the editors could not be stacked in order");
}

HANDLE TSoak::Start() {
    ::SetCursorPos(0, 0);  // a resting pointer over a button is polled under Wine
    TStartOptions options;
    options.Environment = {{L"QUILLON_DOUBLE_SAVE_LOG", SaveLog}};
    std::string bytes;
    for (wchar_t c : EditorText) bytes += static_cast<char>(c);
    for (int i = 0; i < Editors; ++i) {
        WriteBytes(Document(i), bytes);
        const RECT place = Place(i);
        options.HasPlacement = true;
        options.Left = place.left, options.Top = place.top;
        options.Width = place.right - place.left, options.Height = place.bottom - place.top;
        HWND editor = Processes.OpenEditor(Document(i), options, StepTimeoutMs);
        Check(editor != nullptr, "an editor did not open");
        SetText(editor, i, false);
    }
    options.HasPlacement = false;
    Resident = Processes.StartWyndrel(L"", options);
    Window = Resident ? WaitForWindowOfProcess(Resident, L"TfrmWyndrel", StepTimeoutMs) : nullptr;
    Check(Window != nullptr && Idle(), "the resident program did not start");
    return Resident;
}

// The editors by document, each shown exactly once; fails on one lost or duplicated.
std::vector<HWND> TSoak::EditorsOnce() {
    std::vector<HWND> editors(Editors, nullptr);
    for (HWND editor : TopLevelWindowsOfClass(L"TQuillonMainForm")) {
        if (!::IsWindowVisible(editor)) continue;
        const std::wstring path = EditorPath(editor);
        int i = 0;
        while (i < Editors && Document(i) != path) ++i;
        Check(i < Editors, "an editor of an unknown document appeared");
        Check(editors[i] == nullptr, "an editor is open twice");
        editors[i] = editor;
    }
    for (HWND editor : editors) Check(editor != nullptr, "an editor was lost");
    return editors;
}

bool TSoak::AllAtPlaces(const std::vector<HWND>& editors, bool at) {
    for (int i = 0; i < Editors; ++i) {
        const RECT now = WindowRectangle(editors[i]), place = Place(i);
        if ((::EqualRect(&now, &place) != FALSE) != at) return false;
    }
    return true;
}

void TSoak::SaveAndCompare(int round) {
    Restack();
    const std::wstring path = Folder.File(L"round" + std::to_wstring(round) + L".qdl");
    Click(ids::btnSave);
    Check(ChooseFileInDialog(Dialog(L"デスクトップレイアウトファイルの保存"), path),
          "the save dialog had no name box");
    // The file is written beside and moved over its name only when whole; it cannot be read
    // until the move has let go of it (the mover holds it open for deletion).
    std::string bytes;
    Check(WaitUntil([&] { return LineCount(bytes = ReadBytes(path)) >= Editors; }, StepTimeoutMs) &&
              Idle(),
          "the layout file was not saved whole");
    if (round == 1) FirstLayout = bytes;
    if (bytes != FirstLayout) {
        // Both kept beside the program, for a look at what changed.
        WriteBytes(ProgramFolder() + L"soak-first.qdl", FirstLayout);
        WriteBytes(ProgramFolder() + L"soak-differing.qdl", bytes);
        Check(false,
              "the layout file differs from the first round's (both kept beside the soak as "
              "soak-*.qdl)");
    }
    if (round > 1) ::DeleteFileW(path.c_str());  // the first stays: every read takes it
}

// Two editors close (a different pair each round) and the first round's file brings them
// back through the read button.
void TSoak::CloseTwoAndRestore(int round) {
    std::vector<HWND> editors = EditorsOnce();
    const int first = (2 * round) % Editors, second = (2 * round + 1) % Editors;
    for (int i : {first, second}) ::PostMessageW(editors[i], WM_CLOSE, 0, 0);
    Check(WaitUntil([&] { return !::IsWindow(editors[first]) && !::IsWindow(editors[second]); },
                    StepTimeoutMs),
          "an editor did not close");
    Click(ids::btnRead);
    Check(ChooseFileInDialog(Dialog(L"デスクトップレイアウトファイルを開く"),
                             Folder.File(L"round1.qdl")),
          "the open dialog had no name box");
    for (int i : {first, second})
        Check(WaitForEditorShowing(Document(i), StepTimeoutMs) != nullptr,
              "a closed editor was not restored");
    Check(Idle(), "the window stayed disabled after the read");
    Check(AllAtPlaces(EditorsOnce(), true), "an editor is not where the layout file puts it");
}

void TSoak::ScatterAndPutInOrder() {
    const std::vector<HWND> editors = EditorsOnce();
    ::PostMessageW(Window, WM_SYSCOMMAND, ids::WindowMenuScatter, 0);
    Check(WaitUntil([&] { return AllAtPlaces(editors, false); }, StepTimeoutMs) && Idle(),
          "scatter did not move every editor");
    ::PostMessageW(Window, WM_COMMAND, MAKEWPARAM(ids::pmPutInOrder, 0), 0);
    Check(
        WaitUntil([&] { return ::GetFileAttributesW(Snapshot.c_str()) == INVALID_FILE_ATTRIBUTES; },
                  StepTimeoutMs) &&
            WaitUntil([&] { return AllAtPlaces(editors, true); }, StepTimeoutMs) && Idle(),
        "put in order did not bring every editor back");
}

// Every editor modified, then one pass saves each of them once.
void TSoak::AutoSavePass() {
    const std::vector<HWND> editors = EditorsOnce();
    ::DeleteFileW(SaveLog.c_str());
    for (int i = 0; i < Editors; ++i) SetText(editors[i], i, true);
    ::PostMessageW(Window, WM_COMMAND, MAKEWPARAM(ids::pmASaveNow, 0), 0);
    Check(WaitUntil([&] { return LineCount(ReadBytes(SaveLog)) >= Editors; }, StepTimeoutMs) &&
              Idle(),
          "the auto-save pass did not save every editor");
    Check(LineCount(ReadBytes(SaveLog)) == Editors, "the auto-save pass saved an editor twice");
    // The editor double puts its caret back where it started when it saves.
    for (int i = 0; i < Editors; ++i) SetCaret(editors[i], i);
}

void TSoak::OpenAndCloseTheWindows() {
    namespace list_ids = wyndrel::dialogs::list_ids;
    Click(ids::btnSituate);
    HWND list = Dialog(L"Quillonリスト");
    HWND view = ::GetDlgItem(list, list_ids::LV);
    Check(WaitUntil([&] { return RemoteListRows(view).size() == Editors; }, StepTimeoutMs),
          "the list does not show every editor");
    Check(PressDialogButtonById(list, list_ids::btnClose) &&
              WaitUntil([&] { return !::IsWindow(list); }, StepTimeoutMs) && Idle(),
          "the list did not close");
    Click(ids::btnOption);
    HWND options = Dialog(L"設定");
    Check(PressDialogButtonById(options, wyndrel::dialogs::option_ids::btnCancel) &&
              WaitUntil([&] { return !::IsWindow(options); }, StepTimeoutMs) && Idle(),
          "the options dialog did not close");
}

void TSoak::Round(int round) {
    SaveAndCompare(round);
    CloseTwoAndRestore(round);
    ScatterAndPutInOrder();
    AutoSavePass();
    OpenAndCloseTheWindows();
    EditorsOnce();
}

void PrintRow(int round, const bench::TCounts& now, const bench::TCounts& before, int rounds,
              double seconds, const bench::TGuiCounting& counting) {
    const double perRound = rounds > 0 ? (now.ProcessorMs - before.ProcessorMs) / rounds : 0;
    auto shown = [](bool counted, DWORD value) {
        return counted ? std::to_string(value) : std::string("-");
    };
    std::printf("| %5d | %7lu | %6lu | %5s | %5s | %7lu | %7lu | %9.0f | %9.1f | %7.2f |\n", round,
                now.Handles - now.PlatformLeaks, now.PlatformLeaks,
                shown(counting.Gdi, now.GdiObjects).c_str(),
                shown(counting.User, now.UserObjects).c_str(), now.Windows, now.Threads,
                now.WorkingSetKiB, perRound, rounds > 0 ? seconds / rounds : 0.0);
    std::fflush(stdout);
}

// Every sample from the first at or after a fifth of the rounds, against that sample.
bool Flat(const std::vector<std::pair<int, bench::TCounts>>& samples, int rounds,
          const bench::TGuiCounting& counting) {
    std::size_t from = 0;
    while (from + 1 < samples.size() && samples[from].first < rounds / 5) ++from;
    const bench::TCounts& base = samples[from].second;
    bool flat = true;
    auto compare = [&](const char* name, DWORD first, DWORD value, int round) {
        if (static_cast<long>(value) - static_cast<long>(first) > FlatTolerance ||
            static_cast<long>(first) - static_cast<long>(value) > FlatTolerance) {
            std::printf("soak: %s went from %lu after round %d to %lu after round %d\n", name,
                        first, samples[from].first, value, round);
            flat = false;
        }
    };
    for (std::size_t i = from + 1; i < samples.size(); ++i) {
        const auto& [round, counts] = samples[i];
        compare("handles", base.Handles - base.PlatformLeaks, counts.Handles - counts.PlatformLeaks,
                round);
        compare("windows", base.Windows, counts.Windows, round);
        compare("threads", base.Threads, counts.Threads, round);
        if (counting.Gdi) compare("GDI objects", base.GdiObjects, counts.GdiObjects, round);
        if (counting.User) compare("USER objects", base.UserObjects, counts.UserObjects, round);
    }
    std::printf("soak: counts %s over rounds %d to %d (tolerance +-%ld)\n",
                flat ? "flat" : "NOT flat", samples[from].first, samples.back().first,
                FlatTolerance);
    return flat;
}

// The working set and the processor time per round at the end against the same at the start
// of the measured stretch, as ratios.
void PrintGrowth(const std::vector<std::pair<int, bench::TCounts>>& samples, int rounds) {
    if (samples.size() < 3) return;
    std::size_t from = 1;
    while (from + 2 < samples.size() && samples[from].first < rounds / 5) ++from;
    auto perRound = [&](std::size_t i) {
        return (samples[i].second.ProcessorMs - samples[i - 1].second.ProcessorMs) /
               (samples[i].first - samples[i - 1].first);
    };
    const bench::TCounts &base = samples[from].second, &last = samples.back().second;
    std::printf(
        "soak: working set %.0f KiB after round %d, %.0f KiB after round %d: ratio %.3f; processor "
        "time "
        "%.1f ms a round in the block to round %d, %.1f ms in the last: ratio %.2f\n",
        base.WorkingSetKiB, samples[from].first, last.WorkingSetKiB, samples.back().first,
        last.WorkingSetKiB / base.WorkingSetKiB, perRound(from), samples[from].first,
        perRound(samples.size() - 1), perRound(samples.size() - 1) / perRound(from));
}

void PrintHeader(int rounds, int blockRounds, const std::string& guiNote) {
    if (!guiNote.empty()) std::printf("soak: %s\n", guiNote.c_str());
    std::printf(
        "soak: %d rounds, %d editors; counts after every %d rounds, processor time and wall time "
        "per "
        "round over the block; handles without those Wine's own code leaks (counted apart: the "
        "file "
        "dialogs' recent-folder key, WaitForInputIdle's event)\n",
        rounds, Editors, blockRounds);
    std::printf(
        "| round | handles | Wine's |   GDI |  USER | windows | threads | WS KiB    | CPU ms/rd | "
        "s/round |\n"
        "|---|---|---|---|---|---|---|---|---|---|\n");
}

}  // namespace

int wmain() {
    const int rounds = Setting("WYNDREL_SOAK_ROUNDS", 500);
    const int blockRounds = Setting("WYNDREL_SOAK_BLOCK", 50);
    TSoak soak;
    int round = 0;
    try {
        HANDLE resident = soak.Start();
        const bench::TGuiCounting counting = bench::GuiCounting(resident);
        PrintHeader(rounds, blockRounds, counting.Note);
        std::vector<std::pair<int, bench::TCounts>> samples{{0, bench::ReadCounts(resident)}};
        PrintRow(0, samples.back().second, samples.back().second, 0, 0, counting);
        ULONGLONG blockStart = ::GetTickCount64();
        for (round = 1; round <= rounds; ++round) {
            soak.Round(round);
            if (round % blockRounds != 0 && round != rounds) continue;
            samples.emplace_back(round, bench::ReadCounts(resident));
            const int block = round - samples[samples.size() - 2].first;
            PrintRow(round, samples.back().second, samples[samples.size() - 2].second, block,
                     static_cast<double>(::GetTickCount64() - blockStart) / 1000.0, counting);
            blockStart = ::GetTickCount64();
        }
        const bool flat = Flat(samples, rounds, counting);
        PrintGrowth(samples, rounds);
        soak.Quit();
        std::printf(
            "soak: every layout file identical to the first round's, no editor lost or "
            "duplicated\n");
        return flat ? 0 : 1;
    } catch (const TFailure& failure) {
        std::printf("soak: FAILED in round %d: %s\n", round, failure.what());
        return 1;
    }
}
