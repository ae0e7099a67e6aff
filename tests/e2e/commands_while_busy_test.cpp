// The resident program when a command arrives while another one runs: an auto-save tick
// while the options dialog is open, and a close request while a restore waits for editors.
// Neither is lost: each is carried out as soon as the running command has ended.
#include "app/main_window_ids.h"
#include "dialogs/option_ids.h"
#include "platform/win32/wide_string.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/remote_controls.h"
#include "support/resident_program.h"
#include "support/temp_folder.h"
#include "support/wyndrel_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace e2e {
namespace {

namespace ids = wyndrel::app::ids;
using wyndrel::win32::Narrow;

// Auto-save every 10 seconds and a modified document: the dialog is held open over a tick,
// and the pass that tick asked for runs as soon as the dialog is cancelled, not a whole
// interval later.
TEST(CommandsWhileBusy, ATickDuringTheOptionsDialogSavesTheDocumentOnceTheDialogCloses) {
    TTempFolder folder;
    TProcessGuard processes;
    TWyndrelSettings settings(
        "[AutoSave]\r\nAtAppStart=2\r\nInterval=10\r\nForAllFiles=True\r\nSaveType=True\r\n");
    const std::wstring log = folder.File(L"saves.log");
    TStartOptions options;
    options.Environment = {{L"QUILLON_DOUBLE_SAVE_LOG", log}};
    HWND editor = processes.OpenEditor(folder.File(L"memo.txt"), options);
    ASSERT_NE(editor, nullptr);
    ::SendMessageW(EditorTextControl(editor), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"変更あり"));
    ::SendMessageW(EditorTextControl(editor), EM_SETMODIFY, TRUE, 0);

    HWND window = WaitForMainWindow(processes.StartWyndrel(L""));
    ASSERT_NE(window, nullptr);
    HWND dialog = OpenOptions(window);
    ASSERT_NE(dialog, nullptr);
    // Held open while the 10-second tick falls inside it: no pass runs under the dialog.
    EXPECT_FALSE(WaitUntil([&] { return !ReadBytes(log).empty(); }, 13000));
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    const auto closed = std::chrono::steady_clock::now();
    const std::string line = "message\t" + Narrow(folder.File(L"memo.txt")) + "\n";
    ASSERT_TRUE(WaitUntil([&] { return ReadBytes(log) == line; }, 5000)) << ReadBytes(log);
    EXPECT_LT(std::chrono::steady_clock::now() - closed, std::chrono::seconds(2));
    ClickButton(window, ids::btnClose);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(window); }, 10000));
}

// The close box while a restore waits for slow editors: every editor still comes to its
// place, and the program ends after that, its position written as at any end.
TEST(CommandsWhileBusy, ACloseDuringARestoreEndsTheProgramOnceEveryEditorIsPlaced) {
    TTempFolder folder;
    TProcessGuard processes;
    TWyndrelSettings settings;
    const std::wstring paths[] = {folder.File(L"a.txt"), folder.File(L"b.txt")};
    const RECT places[] = {{30, 40, 430, 340}, {90, 100, 490, 400}};
    std::string layout = "[QuillonLayoutFile]\r\n";
    for (int i = 0; i < 2; ++i)
        layout += "File=" + wyndrel::win32::Utf8ToAnsi(Narrow(paths[i])) +
                  "\r\nCurs=0\r\nRect=" + std::to_string(places[i].left) + "," +
                  std::to_string(places[i].top) + ",400,300\r\n";
    WriteBytes(folder.File(L"desk.qdl"), layout);
    const std::wstring startLog = folder.File(L"starts.log");
    TStartOptions slowEditors;
    slowEditors.Environment = {{L"QUILLON_DOUBLE_IDLE_DELAY_MS", L"2000"},
                               {L"QUILLON_DOUBLE_START_LOG", startLog}};
    HANDLE resident = processes.StartWyndrel(L"", slowEditors);
    HWND window = WaitForMainWindow(resident);
    ASSERT_NE(window, nullptr);

    ClickButton(window, ids::btnRead);
    HWND open = WaitForDialog(L"デスクトップレイアウトファイルを開く");
    ASSERT_TRUE(open && ChooseFileInDialog(open, folder.File(L"desk.qdl")));
    ASSERT_TRUE(WaitUntil([&] { return !ReadBytes(startLog).empty(); }, 20000));
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    // The window and its tray icon stay while the restore goes on to the second editor.
    ASSERT_TRUE(
        WaitUntil([&] { return std::ranges::count(ReadBytes(startLog), '\n') == 2; }, 20000));
    EXPECT_TRUE(::IsWindow(window));

    EXPECT_EQ(WaitForExit(resident, 30000), 0);
    for (int i = 0; i < 2; ++i) {
        HWND editor = WaitForEditorShowing(paths[i], 5000);
        ASSERT_NE(editor, nullptr) << i;
        processes.Adopt(editor);
        const RECT now = WindowRectangle(editor);
        EXPECT_TRUE(::EqualRect(&places[i], &now)) << i;
    }
    EXPECT_EQ(std::ranges::count(ReadBytes(startLog), '\n'), 2);
    EXPECT_EQ(StoredSetting(L"Option", L"LastWindowMode"), L"0");
    EXPECT_NE(StoredSetting(L"Option", L"Left"), L"-");
}

}  // namespace
}  // namespace e2e
