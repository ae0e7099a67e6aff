// The options dialog's sheets "保存時", "お気に入り", "自動保存1" and "自動保存2" on real
// controls inside the test process, over settings in memory: what the controls show and what
// their buttons and boxes store.
#include "dialogs/option_ids.h"
#include "dialogs/option_sheet_ids.h"
#include "dialogs/win32/option_dialog_window.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_files.h"
#include "fakes/fake_open_forms.h"
#include "fakes/fake_user_registry.h"
#include "fakes/fake_regional_settings.h"
#include "fakes/fake_resident_process.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_user_interface.h"
#include "platform/win32/wide_string.h"
#include "support/desktop_probe.h"
#include "support/drop_files.h"
#include "support/option_dialog_world.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <future>

namespace e2e {
namespace {

using namespace wyndrel::dialogs::option_ids;

constexpr const char* IniPath = "C:\\Tools\\wyndrel.ini";
constexpr const char* Editor = "C:\\Quillon\\Quillon.exe";

// The dialog on its own thread, opened on one sheet, with every port in memory.
class TSheetRun : public TOptionDialogWorld {
public:
    explicit TSheetRun(int sheet, const std::string& settings = "") : TOptionDialogWorld(Editor) {
        Ini.IniFileName = IniPath;
        Files.AddFolder("C:\\Tools");
        Files.AddFile(Editor, "");
        Files.AddFile(IniPath,
                      "[Option]\r\nLastSheet=" + std::to_string(sheet) + "\r\n" + settings);
    }
    std::future<void> Open() {
        return std::async(std::launch::async, [this] {
            wyndrel::dialogs::TOptionSheetsPorts sheets{
                {Clock, Regional,
                 [] {
                     return wyndrel::Point{500, 300};
                 }},
                {Ui, Files,
                 [this](const std::string&) { return std::optional<std::string>(Chosen); }},
                {Ini, Files, Ui, Process},
                [this](const std::vector<std::string>& entries) { Menu = entries; },
                EditorPath};
            wyndrel::dialogs::win32::ShowOptionDialog(nullptr, Ports(std::move(sheets)));
        });
    }
    std::string Settings() const { return Files.Content(IniPath); }

    wyndrel::fakes::TFakeClock Clock{wyndrel::TLocalDateTime{2002, 12, 7, 13, 5, 9, 0, 6}};
    wyndrel::fakes::TFakeRegionalSettings Regional;
    wyndrel::fakes::TFakeDesktop Desktop;
    wyndrel::fakes::TFakeResidentProcess Process{Desktop};
    std::string Chosen;
    std::vector<std::string> Menu;
};

HWND Control(HWND dialog, int id) { return ::GetDlgItem(dialog, id); }
void Click(HWND dialog, int id) { ::SendMessageW(Control(dialog, id), BM_CLICK, 0, 0); }

void Finish(HWND dialog, std::future<void>& shown, int button) {
    Click(dialog, button);
    ASSERT_EQ(shown.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    shown.get();
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(OptionSheetsOnWin32, SaveSheetEnablesTheDefinitionAndPreviewsTheProposedName) {
    TSheetRun run(SheetSave, "IsFileNameDateTime='Layout'yyyy\r\n");
    std::future<void> shown = run.Open();
    HWND dialog = WaitForDialog(L"設定");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(::IsWindowEnabled(Control(dialog, txtFileDef)));
    EXPECT_EQ(WindowText(Control(dialog, txtPreview)), L"Layout2002.qdl");
    EXPECT_EQ(WindowText(Control(dialog, txtDefHint)).rfind(L"定義(形式指定子)のヒント：\r\n", 0),
              0u);
    Click(dialog, chkUseDefFileName);
    EXPECT_TRUE(::IsWindowEnabled(Control(dialog, txtFileDef)) &&
                ::IsWindowEnabled(Control(dialog, btnInsTimeDef)));
    ::SetWindowTextW(Control(dialog, txtFileDef), L"yyyy/mm/dd aaaa");
    EXPECT_EQ(WindowText(Control(dialog, txtPreview)), L"2002／12／07 土曜日.qdl");
    // The insert button's context menu: its first entry put at the caret.
    ::SendMessageW(Control(dialog, txtFileDef), EM_SETSEL, 0, 0);
    ::PostMessageW(dialog, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Control(dialog, btnInsTimeDef)),
                   -1);
    std::vector<HWND> menus;
    ASSERT_TRUE(WaitUntil(
        [&] {
            return !(menus = TopLevelWindowsOfClass(L"#32768")).empty() &&
                   ::IsWindowVisible(menus[0]);
        },
        10000));
    ::PostMessageW(menus[0], WM_KEYDOWN, VK_DOWN, 1);
    ::PostMessageW(menus[0], WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(WaitUntil(
        [&] { return WindowText(Control(dialog, txtFileDef)) == L"yyyyyyyy/mm/dd aaaa"; }, 10000));
    Finish(dialog, shown, btnOK);
    EXPECT_TRUE(Contains(run.Settings(), "\nUseDefFileName=True\r\n")) << run.Settings();
    EXPECT_TRUE(Contains(run.Settings(), "\nIsFileNameDateTime=yyyyyyyy/mm/dd aaaa\r\n"))
        << run.Settings();
}

TEST(OptionSheetsOnWin32, FavoritesSheetMovesAnEntryTakesDropsAndItsSaveRebuildsTheMenu) {
    TSheetRun run(SheetFavorites,
                  "[Favorites]\r\nItemCount=2\r\nFile0=C:\\a.txt\r\nFile1=C:\\b.txt\r\n");
    std::future<void> shown = run.Open();
    HWND dialog = WaitForDialog(L"設定");
    ASSERT_NE(dialog, nullptr);
    HWND list = Control(dialog, lbFavorites);
    EXPECT_EQ(::SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    ::SendMessageW(list, LB_SETCURSEL, 1, 0);
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(lbFavorites, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(WindowText(Control(dialog, txtFavPre)), L"C:\\b.txt");
    Click(dialog, btnFav_Up);
    EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
    // Dropped files join the list by its own rules: the one listed (in another case) is
    // counted, not appended twice.
    ::SendMessageW(list, WM_DROPFILES,
                   reinterpret_cast<WPARAM>(MakeDrop({L"C:\\A.TXT", L"C:\\c.txt"})), 0);
    EXPECT_EQ(::SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(run.Ui.Messages().at(0).Text,
              "1 個のファイルが重複していたため\r\n登録されませんでした");
    Click(dialog, btnFav_Save);
    EXPECT_EQ(run.Menu, (std::vector<std::string>{"C:\\b.txt", "C:\\a.txt", "C:\\c.txt"}));
    // Saved: OK asks nothing about the list.
    Finish(dialog, shown, btnOK);
    EXPECT_EQ(run.Ui.Messages().size(), 1u);
    EXPECT_TRUE(Contains(
        run.Settings(), "ItemCount=3\r\nFile0=C:\\b.txt\r\nFile1=C:\\a.txt\r\nFile2=C:\\c.txt\r\n"))
        << run.Settings();
}

TEST(OptionSheetsOnWin32, AutoSaveListSheetAddsAChosenAndADroppedFileAndOkAsksToSaveThem) {
    TSheetRun run(SheetAutoSaveList);
    run.Chosen = "C:\\Docs\\log.txt";
    run.Ui.Answer(wyndrel::TBoxAnswer::Yes);
    std::future<void> shown = run.Open();
    HWND dialog = WaitForDialog(L"設定");
    ASSERT_NE(dialog, nullptr);
    Click(dialog, btnAS_Add);
    HWND list = Control(dialog, lbAutoSave);
    ::SendMessageW(list, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({L"C:\\Docs\\todo.txt"})),
                   0);
    EXPECT_EQ(::SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    Finish(dialog, shown, btnOK);
    EXPECT_EQ(run.Ui.Messages().at(0).Text, "自動保存リストへの変更を保存しますか?");
    EXPECT_TRUE(Contains(run.Settings(),
                         "FileCount=2\r\nFile0=C:\\Docs\\log.txt\r\nFile1=C:\\Docs\\todo.txt\r\n"))
        << run.Settings();
}

TEST(OptionSheetsOnWin32, AutoSaveSheetCapsTheIntervalAndItsArrowsStepAMinuteFromPositionZero) {
    TSheetRun run(SheetAutoSaveSettings, "[AutoSave]\r\nInterval=1800\r\nSaveType=True\r\n");
    std::future<void> shown = run.Open();
    HWND dialog = WaitForDialog(L"設定");
    ASSERT_NE(dialog, nullptr);
    HWND box = Control(dialog, numAS_Delay);
    HWND arrows = Control(dialog, udAS_Delay);
    EXPECT_EQ(WindowText(box), L"1800");
    EXPECT_EQ(::SendMessageW(Control(dialog, rbASType_New), BM_GETCHECK, 0, 0), BST_CHECKED);
    // A click on the upper arrow.
    RECT area{};
    ::GetClientRect(arrows, &area);
    ::SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(area.right / 2, 2));
    ::SendMessageW(arrows, WM_LBUTTONUP, 0, MAKELPARAM(area.right / 2, 2));
    EXPECT_EQ(WindowText(box), L"1860");
    EXPECT_EQ(::SendMessageW(arrows, UDM_GETPOS32, 0, 0), 0);
    ::SetWindowTextW(box, L"99999");
    EXPECT_EQ(WindowText(box), L"86400");
    Finish(dialog, shown, btnOK);
    EXPECT_TRUE(Contains(run.Settings(), "Interval=86400\r\n")) << run.Settings();
    EXPECT_EQ(run.Timer.Interval(), 86400000u);
}

// The colour at `at` (in `window`'s client coordinates) of what `window` prints of its own
// client area onto a picture filled with `fill` first.
COLORREF PrintedColour(HWND window, POINT at, COLORREF fill) {
    RECT client{};
    ::GetClientRect(window, &client);
    HDC screen = ::GetDC(window);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP picture = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ previous = ::SelectObject(memory, picture);
    HBRUSH brush = ::CreateSolidBrush(fill);
    ::FillRect(memory, &client, brush);
    ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    const COLORREF colour = ::GetPixel(memory, at.x, at.y);
    ::DeleteObject(brush);
    ::SelectObject(memory, previous);
    ::DeleteObject(picture);
    ::DeleteDC(memory);
    ::ReleaseDC(window, screen);
    return colour;
}

// A group box is transparent inside and a themed one asks its parent for what lies beneath
// (WM_PRINTCLIENT): on a sheet that is the tab strip's pane, not the dialog's grey face,
// whichever of the overlapping windows was painted last.
TEST(OptionSheetsOnWin32, TheDialogShowsTheTabStripsPaneBeneathAGroupBoxAndNothingElsewhere) {
    TSheetRun run(SheetAutoSaveSettings);
    std::future<void> shown = run.Open();
    HWND dialog = WaitForDialog(L"設定");
    ASSERT_NE(dialog, nullptr);
    HWND tab = ::FindWindowExW(dialog, nullptr, WC_TABCONTROLW, nullptr);
    ASSERT_NE(tab, nullptr);
    RECT group = {};
    ::GetWindowRect(Control(dialog, GroupBox4), &group);
    POINT inDialog{(group.left + group.right) / 2, (group.top + group.bottom) / 2};
    POINT inTab = inDialog;
    ::ScreenToClient(dialog, &inDialog);
    ::ScreenToClient(tab, &inTab);
    constexpr COLORREF Fill = RGB(255, 0, 255);
    const COLORREF pane = PrintedColour(tab, inTab, Fill);
    EXPECT_NE(pane, Fill);
    EXPECT_EQ(PrintedColour(dialog, inDialog, Fill), pane);
    RECT client{};
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(PrintedColour(dialog, {client.right - 2, client.bottom - 2}, Fill),
              Fill);  // below the strip
    Finish(dialog, shown, btnCancel);
}

}  // namespace
}  // namespace e2e
