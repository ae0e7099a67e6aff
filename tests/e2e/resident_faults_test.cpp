// The resident program under faults from outside: starts that race each other, an editor
// killed while a restore waits for it, a settings file spoilt or deleted while it runs, and
// tray clicks arriving while a dialog or a menu is open. Each time nothing is lost and the
// program goes on.
#include "app/main_window_ids.h"
#include "dialogs/option_ids.h"
#include "dialogs/quillon_list_ids.h"
#include "platform/win32/wide_string.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/remote_controls.h"
#include "support/resident_program.h"
#include "support/temp_folder.h"
#include "support/tray_icon.h"
#include "support/wyndrel_settings.h"
#include "ui/private_messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>

namespace e2e {
namespace {

namespace ids = wyndrel::app::ids;
namespace option_ids = wyndrel::dialogs::option_ids;

std::string Ansi(const std::wstring& text) {
    return wyndrel::win32::Utf8ToAnsi(wyndrel::win32::Narrow(text));
}

// The program still takes commands: its editor list opens over it with `rows` rows (one per
// editor, or the one that says none runs) and closes again.
void ExpectTheEditorListWorks(HWND window, size_t rows) {
    ClickButton(window, ids::btnSituate);
    HWND list = WaitForDialog(L"Quillonリスト");
    ASSERT_NE(list, nullptr);
    HWND view = ::GetDlgItem(list, wyndrel::dialogs::list_ids::LV);
    EXPECT_TRUE(WaitUntil([&] { return RemoteListRows(view).size() == rows; }, 10000));
    ASSERT_TRUE(PressDialogButtonById(list, wyndrel::dialogs::list_ids::btnClose));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(list) && ::IsWindowEnabled(window); }, 10000));
}

class ResidentFaults : public ::testing::Test {
protected:
    // Starts the resident program with the settings `optionLines` and finds its window and
    // the window that hears its tray icon.
    void Start(const std::string& optionLines = {}, const TStartOptions& options = {}) {
        Settings.emplace(optionLines);
        Resident = Processes.StartWyndrel(L"", options);
        Window = WaitForMainWindow(Resident);
        ASSERT_NE(Window, nullptr);
        NotifyWindow = NotifyWindowOf(Resident);
        ASSERT_NE(NotifyWindow, nullptr);
    }
    void HideInIconMode() {
        ::PostMessageW(Window, WM_COMMAND, MAKEWPARAM(ids::mpCVIcon, 0), 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(Window); }, 10000));
    }
    // The program goes on to the end: its close button ends it normally.
    void ExpectNormalEnd() {
        ClickButton(Window, ids::btnClose);
        EXPECT_EQ(WaitForExit(Resident, 20000), 0);
    }

    std::optional<TWyndrelSettings> Settings;  // removed after the programs have ended
    TProcessGuard Processes;
    HANDLE Resident = nullptr;
    HWND Window = nullptr;
    HWND NotifyWindow = nullptr;
};

// Two starts arriving together while the resident one is hidden in icon mode: both hand
// over and end, the one resident process stays and its window becomes visible. Two starts
// arriving together with none running leave one resident program too.
TEST_F(ResidentFaults, TwoRacingSecondStartsLeaveOneVisibleResidentProgram) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(HideInIconMode());

    HANDLE first = Processes.StartWyndrel(L"");
    HANDLE second = Processes.StartWyndrel(L"");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(WaitForExit(first, 30000), 0);
    EXPECT_EQ(WaitForExit(second, 30000), 0);

    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Window) != FALSE; }, 10000));
    EXPECT_EQ(TopLevelWindowsOfClass(L"TfrmWyndrel"), std::vector<HWND>{Window});
    EXPECT_EQ(::WaitForSingleObject(Resident, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    ExpectNormalEnd();

    // Two starts together with none running: one of them hands over and ends, the other stays.
    HANDLE starts[] = {Processes.StartWyndrel(L""), Processes.StartWyndrel(L"")};
    ASSERT_TRUE(starts[0] && starts[1]);
    const DWORD ended = ::WaitForMultipleObjects(2, starts, FALSE, 30000);
    ASSERT_LT(ended - WAIT_OBJECT_0, 2u);
    EXPECT_EQ(WaitForExit(starts[ended - WAIT_OBJECT_0], 0), 0);
    Resident = starts[1 - (ended - WAIT_OBJECT_0)];
    Window = WaitForMainWindow(Resident);
    ASSERT_NE(Window, nullptr);
    EXPECT_EQ(TopLevelWindowsOfClass(L"TfrmWyndrel"), std::vector<HWND>{Window});
    ExpectNormalEnd();
}

// The second of three editors is killed while the restore waits for it to get ready: the
// program says it could not confirm that one, restores the third, and takes commands again.
TEST_F(ResidentFaults, AnEditorKilledDuringARestoreLeavesTheOthersRestoredAndTheWindowWorking) {
    TTempFolder folder;
    const std::wstring paths[] = {folder.File(L"a.txt"), folder.File(L"b.txt"),
                                  folder.File(L"c.txt")};
    const RECT places[] = {{20, 30, 420, 330}, {60, 70, 460, 370}, {100, 110, 500, 410}};
    std::string layout = "[QuillonLayoutFile]\r\n";
    for (int i = 0; i < 3; ++i)
        layout += "File=" + Ansi(paths[i]) +
                  "\r\nCurs=0\r\nRect=" + std::to_string(places[i].left) + "," +
                  std::to_string(places[i].top) + ",400,300\r\n";
    WriteBytes(folder.File(L"desk.qdl"), layout);
    const std::wstring startLog = folder.File(L"starts.log");
    TStartOptions slowEditors;
    slowEditors.Environment = {{L"QUILLON_DOUBLE_IDLE_DELAY_MS", L"3000"},
                               {L"QUILLON_DOUBLE_START_LOG", startLog}};
    ASSERT_NO_FATAL_FAILURE(Start({}, slowEditors));

    ClickButton(Window, ids::btnRead);
    HWND open = WaitForDialog(L"デスクトップレイアウトファイルを開く");
    ASSERT_TRUE(open && ChooseFileInDialog(open, folder.File(L"desk.qdl")));
    // Every editor is started before the first is waited for; the second entry's one is
    // ended while the program still waits for the first.
    ASSERT_TRUE(
        WaitUntil([&] { return std::ranges::count(ReadBytes(startLog), '\n') >= 3; }, 30000))
        << ReadBytes(startLog);
    ASSERT_TRUE(KillStartedChild(Resident, 1));
    EXPECT_EQ(AnswerDialog(L"エラー", IDOK), L"起動させたQuillonを確認できませんでした。");

    for (int i : {0, 2}) {
        HWND editor = WaitForEditorShowing(paths[i], 20000);
        ASSERT_NE(editor, nullptr) << i;
        Processes.Adopt(editor);
        EXPECT_TRUE(WaitUntil(
            [&] {
                const RECT now = WindowRectangle(editor);
                return ::EqualRect(&places[i], &now) != FALSE;
            },
            10000))
            << i;
    }
    EXPECT_EQ(WaitForEditorShowing(paths[1], 0), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(Window) != FALSE; }, 20000));
    ExpectTheEditorListWorks(Window, 2);
    ExpectNormalEnd();
}

// Keys the options dialog stores on OK, by section.
constexpr const wchar_t* OptionKeys[] = {
    L"QuilPath",           L"UseDefFileName",     L"IsFileNameDateTime", L"CloseNoExit",
    L"IsMostTop",          L"LastSheet",          L"UserLeft",           L"UserTop",
    L"UserWindowMode",     L"StartWindowPosType", L"IsIconic",           L"IsGetFocusOnStart",
    L"IsMinimizedOnStart", L"IsUseDelay",         L"DeleyWaitTime",      L"AddFavMenuOpen"};
constexpr const wchar_t* AutoSaveKeys[] = {L"Interval", L"AtAppStart", L"LastEnable",
                                           L"ForAllFiles", L"SaveType"};

// The settings file replaced by garbage, then deleted, while the program runs: the options
// dialog shows the defaults, and OK writes every key it stores into a file read afresh.
TEST_F(ResidentFaults, ASettingsFileSpoiltOrDeletedReadsAsDefaultsAndOkWritesEveryKeyAgain) {
    ASSERT_NO_FATAL_FAILURE(
        Start("CloseNoExit=True\r\nDeleyWaitTime=2500\r\n[AutoSave]\r\nInterval=600\r\n"));
    std::mt19937 random(20);
    std::string garbage(4096, '\0');
    for (char& byte : garbage) byte = static_cast<char>(1 + random() % 255);

    for (bool deleted : {false, true}) {
        SCOPED_TRACE(deleted ? "deleted" : "garbage");
        if (deleted)
            ASSERT_TRUE(::DeleteFileW(TWyndrelSettings::Path().c_str()));
        else
            WriteBytes(TWyndrelSettings::Path(), garbage);
        HWND dialog = OpenOptions(Window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(
            ::SendMessageW(::GetDlgItem(dialog, option_ids::chkCloseNoExit), BM_GETCHECK, 0, 0),
            BST_UNCHECKED);
        EXPECT_EQ(WindowText(::GetDlgItem(dialog, option_ids::txtQuilPath)),
                  ProgramFolder() + L"Quillon.exe");
        ASSERT_TRUE(PressOk(dialog));
        for (const wchar_t* key : OptionKeys)
            EXPECT_NE(StoredSetting(L"Option", key, L"(missing)"), L"(missing)") << Ansi(key);
        for (const wchar_t* key : AutoSaveKeys)
            EXPECT_NE(StoredSetting(L"AutoSave", key, L"(missing)"), L"(missing)") << Ansi(key);
        EXPECT_EQ(StoredSetting(L"Option", L"QuilPath", L"(missing)"),
                  ProgramFolder() + L"Quillon.exe");
        EXPECT_EQ(StoredSetting(L"Option", L"CloseNoExit", L"(missing)"), L"False");
        EXPECT_EQ(StoredSetting(L"Option", L"DeleyWaitTime", L"(missing)"), L"1000");
        EXPECT_EQ(StoredSetting(L"AutoSave", L"Interval", L"(missing)"), L"1800");
    }
    ExpectTheEditorListWorks(Window, 1);
    ExpectNormalEnd();
}

// The shell's callback for a button press on the icon, sent so that it has been handled when
// the call returns; false when the handler did not return within 5 s (a menu it opened).
bool HandledAtOnce(HWND notifyWindow, UINT buttonDown) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(notifyWindow, wyndrel::ui::TrayCallbackMessage, 2, buttonDown,
                                 SMTO_NORMAL, 5000, &result) != 0;
}

bool CloseMenus() {
    for (HWND menu : TopLevelWindowsOfClass(L"#32768"))
        ::PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
    return WaitUntil([] { return VisibleMenuCount() == 0; }, 10000);
}

// While the options dialog is open a tray click opens no menu; while the tray menu is open
// further clicks are dropped. Afterwards the menu opens as before.
TEST_F(ResidentFaults, TrayClicksWhileADialogOrTheTrayMenuIsOpenOpenNoFurtherMenu) {
    ASSERT_NO_FATAL_FAILURE(Start());
    HWND dialog = OpenOptions(Window);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(HandledAtOnce(NotifyWindow, WM_RBUTTONDOWN));
    EXPECT_TRUE(HandledAtOnce(NotifyWindow, WM_LBUTTONDOWN));
    EXPECT_EQ(VisibleMenuCount(), 0);
    EXPECT_TRUE(::IsWindowVisible(dialog));
    ASSERT_TRUE(PressOk(dialog));

    for (int round = 0; round < 2; ++round) {
        ::PostMessageW(NotifyWindow, wyndrel::ui::TrayCallbackMessage, 2, WM_RBUTTONDOWN);
        ASSERT_TRUE(WaitUntil([] { return VisibleMenuCount() == 1; }, 10000)) << round;
        if (round == 0) {
            EXPECT_TRUE(HandledAtOnce(NotifyWindow, WM_RBUTTONDOWN));
            EXPECT_TRUE(HandledAtOnce(NotifyWindow, WM_LBUTTONDOWN));
            EXPECT_EQ(VisibleMenuCount(), 1);
        }
        ASSERT_TRUE(CloseMenus()) << round;
    }
    ExpectNormalEnd();
}

// The shell starts again while the window is hidden in icon mode: its icons are gone until
// the programs add them anew at its broadcast. The icon comes back and its double click
// shows the window.
TEST_F(ResidentFaults,
       TheIconComesBackWhenTheShellStartsAgainAndItsDoubleClickShowsTheHiddenWindow) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(HideInIconMode());
    ASSERT_TRUE(TrayIconShown(NotifyWindow, 2));

    RemoveTrayIcon(NotifyWindow, 2);
    ASSERT_FALSE(TrayIconShown(NotifyWindow, 2));
    ::PostMessageW(HWND_BROADCAST, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return TrayIconShown(NotifyWindow, 2); }, 10000));
    EXPECT_FALSE(::IsWindowVisible(Window));

    ::PostMessageW(NotifyWindow, wyndrel::ui::TrayCallbackMessage, 2, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Window) != FALSE; }, 10000));
    ExpectNormalEnd();
}

}  // namespace
}  // namespace e2e
