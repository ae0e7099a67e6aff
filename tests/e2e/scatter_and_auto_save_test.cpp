// Scatter, put in order and the auto-save commands of the resident program, driven from
// outside as the window menu and the tray menu's entries send them, and checked on the
// editors' windows, the snapshot file, the settings and the editor double's save log.
#include "app/main_window_ids.h"
#include "platform/win32/wide_string.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "support/wyndrel_settings.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace e2e {
namespace {

namespace ids = wyndrel::app::ids;
using wyndrel::win32::Narrow;

void ChooseEntry(HWND window, int id) { ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The snapshot as a session before the system's last start left it.
void DateBeforeSystemStart(const std::wstring& path) {
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER stamp{{now.dwLowDateTime, now.dwHighDateTime}};
    stamp.QuadPart -= (::GetTickCount64() + 24ull * 3600 * 1000) * 10000;
    FILETIME before{stamp.LowPart, stamp.HighPart};
    HANDLE file =
        ::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ::SetFileTime(file, nullptr, nullptr, &before);
    ::CloseHandle(file);
}

bool SameRect(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != FALSE; }

std::vector<RECT> RectsOf(const std::vector<HWND>& windows) {
    std::vector<RECT> rects;
    for (HWND window : windows) rects.push_back(WindowRectangle(window));
    return rects;
}

bool AllMovedFrom(const std::vector<HWND>& windows, const std::vector<RECT>& from) {
    const std::vector<RECT> now = RectsOf(windows);
    for (std::size_t i = 0; i < now.size(); ++i)
        if (SameRect(now[i], from[i])) return false;
    return true;
}

bool AllAt(const std::vector<HWND>& windows, const std::vector<RECT>& at) {
    const std::vector<RECT> now = RectsOf(windows);
    return std::equal(now.begin(), now.end(), at.begin(), SameRect);
}

class ResidentCommands : public ::testing::Test {
protected:
    HWND StartResident() {
        return WaitForWindowOfProcess(Processes.StartWyndrel(L""), L"TfrmWyndrel", 20000);
    }
    void Quit(HWND window) {
        ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::btnClose, BN_CLICKED), 0);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(window); }, 10000));
    }

    TTempFolder Folder;
    TProcessGuard Processes;
    const std::wstring Snapshot = ProgramFolder() + L"VOREZUVA.KTDK";
};

TEST_F(ResidentCommands, ScatterMovesEveryTitledEditorIntoTheRangesAndPutInOrderBringsThemBack) {
    TWyndrelSettings settings;
    std::vector<HWND> editors;
    const RECT places[] = {{40, 40, 440, 340}, {300, 200, 860, 620}, {620, 80, 980, 400}};
    for (const wchar_t* name : {L"a.txt", L"b.txt", L"c.txt"}) {
        HWND editor = Processes.OpenEditor(Folder.File(name));
        ASSERT_NE(editor, nullptr);
        const RECT& place = places[editors.size()];
        ::SetWindowPos(editor, nullptr, place.left, place.top, place.right - place.left,
                       place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        editors.push_back(editor);
    }
    HWND untitled = WaitForWindowOfProcess(Processes.StartEditor(L""), L"TQuillonMainForm");
    ASSERT_NE(untitled, nullptr);
    const RECT untitledPlace = WindowRectangle(untitled);
    const std::vector<RECT> before = RectsOf(editors);
    HWND window = StartResident();
    ASSERT_NE(window, nullptr);

    ::PostMessageW(window, WM_SYSCOMMAND, ids::WindowMenuScatter, 0);
    ASSERT_TRUE(WaitUntil([&] { return AllMovedFrom(editors, before); }, 10000));
    const std::string snapshot = ReadBytes(Snapshot);
    EXPECT_EQ(std::count(snapshot.begin(), snapshot.end(), '='), 9) << snapshot;
    const int areaWidth = ::GetSystemMetrics(SM_CXVIRTUALSCREEN) - 5;
    const int areaHeight = ::GetSystemMetrics(SM_CYVIRTUALSCREEN) - 5;
    const std::vector<RECT> scattered = RectsOf(editors);
    for (const RECT& rect : scattered) {
        EXPECT_TRUE(rect.left >= 0 && rect.left < areaWidth && rect.top >= 0 &&
                    rect.top < areaHeight)
            << rect.left << "," << rect.top;
        // Sizes below the platform's minimum are enlarged to it.
        EXPECT_LT(rect.right - rect.left,
                  std::max(areaWidth, ::GetSystemMetrics(SM_CXMINTRACK) + 1));
        EXPECT_LT(rect.bottom - rect.top,
                  std::max(areaHeight, ::GetSystemMetrics(SM_CYMINTRACK) + 1));
    }
    EXPECT_TRUE(SameRect(WindowRectangle(untitled), untitledPlace));

    ::PostMessageW(window, WM_SYSCOMMAND, ids::WindowMenuScatter, 0);
    ASSERT_TRUE(WaitUntil([&] { return AllMovedFrom(editors, scattered); }, 10000));
    EXPECT_EQ(ReadBytes(Snapshot), snapshot);  // still the layout from before the first scatter

    ChooseEntry(window, ids::pmPutInOrder);
    ASSERT_TRUE(WaitUntil(
        [&] { return ::GetFileAttributesW(Snapshot.c_str()) == INVALID_FILE_ATTRIBUTES; }, 20000));
    EXPECT_TRUE(WaitUntil([&] { return AllAt(editors, before); }, 10000));

    ChooseEntry(window, ids::pmPutInOrder);
    HWND warning = WaitForDialog(L"警告");
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(DialogText(warning), Snapshot + L"\r\nファイルを削除されたため片づけが出来ません。");
    EXPECT_TRUE(PressDialogButton(warning, L"OK"));
    Quit(window);
}

// A snapshot from before the system's start belongs to a lost session and goes; one the
// program left while the editors stayed scattered still leads them back, also after a
// command-line save beside the resident copy.
TEST_F(ResidentCommands, AStaleSnapshotGoesAtStartAndOneFromThisSessionStillPutsTheEditorsInOrder) {
    TWyndrelSettings settings;
    WriteBytes(Snapshot, "[QuillonLayoutFile]\r\nCount=1\r\n");
    DateBeforeSystemStart(Snapshot);
    HANDLE first = Processes.StartWyndrel(L"");
    HWND window = WaitForWindowOfProcess(first, L"TfrmWyndrel", 20000);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(Exists(Snapshot));

    HWND editor = Processes.OpenEditor(Folder.File(L"a.txt"));
    ASSERT_NE(editor, nullptr);
    ::SetWindowPos(editor, nullptr, 60, 50, 420, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    const std::vector<RECT> before = RectsOf({editor});
    ::PostMessageW(window, WM_SYSCOMMAND, ids::WindowMenuScatter, 0);
    ASSERT_TRUE(WaitUntil([&] { return AllMovedFrom({editor}, before); }, 10000));
    ::TerminateProcess(first, 1);  // the program ends without a word; the editor stays scattered
    ASSERT_EQ(WaitForExit(first, 10000), 1);
    ASSERT_TRUE(Exists(Snapshot));

    window = StartResident();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(Exists(Snapshot));
    EXPECT_EQ(Processes.RunWyndrel(L"/SAVE \"" + Folder.File(L"now.qdl") + L"\""), 0);
    EXPECT_TRUE(Exists(Snapshot));
    ChooseEntry(window, ids::pmPutInOrder);
    EXPECT_TRUE(WaitUntil([&] { return AllAt({editor}, before); }, 20000));
    Quit(window);
}

TEST_F(ResidentCommands,
       SaveNowAndTheTimerMakeAModifiedEditorSaveAndTheIntervalBoxStoresTheInterval) {
    TWyndrelSettings settings("[AutoSave]\r\nForAllFiles=True\r\nSaveType=True\r\n");
    const std::wstring log = Folder.File(L"saves.log");
    TStartOptions options;
    options.Environment = {{L"QUILLON_DOUBLE_SAVE_LOG", log}};
    HWND editor = Processes.OpenEditor(Folder.File(L"memo.txt"), options);
    ASSERT_NE(editor, nullptr);
    auto modify = [&] {
        ::SendMessageW(EditorTextControl(editor), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(L"変更あり"));
        ::SendMessageW(EditorTextControl(editor), EM_SETMODIFY, TRUE, 0);
    };
    const std::string line = "message\t" + Narrow(Folder.File(L"memo.txt")) + "\n";
    modify();
    HWND window = StartResident();
    ASSERT_NE(window, nullptr);

    ChooseEntry(window, ids::pmASaveNow);
    ASSERT_TRUE(WaitUntil([&] { return ReadBytes(log) == line; }, 10000)) << ReadBytes(log);

    ChooseEntry(window, ids::pmASetInterval);
    HWND box = WaitForDialog(L"自動保存間隔の入力");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(DialogText(box), L"自動保存間隔を秒で入力して下さい");
    HWND edit = ::FindWindowExW(box, nullptr, L"Edit", nullptr);
    EXPECT_EQ(WindowText(edit), L"1800");
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"0001"));
    EXPECT_TRUE(PressDialogButton(box, L"OK"));
    // Stored once the box has gone.
    EXPECT_TRUE(WaitUntil([&] { return StoredSetting(L"AutoSave", L"Interval") == L"1"; }, 10000));

    modify();
    ChooseEntry(window, ids::pmASEnable);
    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(log) == line + line; }, 10000)) << ReadBytes(log);
    Quit(window);
    EXPECT_EQ(StoredSetting(L"AutoSave", L"LastEnable"), L"True");
}

}  // namespace
}  // namespace e2e
