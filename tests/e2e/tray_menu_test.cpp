// The tray icon's menus end to end: a right button press on the icon opens the tray menu,
// whose new-document entry starts an editor for that type and whose view, auto-save, window
// and quit entries act on the program; a left press opens the favourites menu, whose entry
// opens its file (a path with "&" in it) in an editor.
#include "app/main_window_ids.h"
#include "platform/win32/wide_string.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "support/tray_icon.h"
#include "support/wyndrel_settings.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(TrayJourney, TheTrayMenuStartsAnHtmlEditorAndAFavouriteOpensItsFile) {
    TTempFolder folder;
    const std::wstring favorite = folder.File(L"R&D notes.txt");
    WriteBytes(favorite, "minutes\r\n");
    const std::wstring startLog = folder.File(L"starts.log");
    TWyndrelSettings settings("[Favorites]\r\nItemCount=1\r\nFile0=" +
                              wyndrel::win32::Utf8ToAnsi(wyndrel::win32::Narrow(favorite)) +
                              "\r\n");
    TProcessGuard processes;
    TStartOptions options;
    options.Environment = {{L"QUILLON_DOUBLE_START_LOG", startLog}};
    HANDLE resident = processes.StartWyndrel(L"", options);
    ASSERT_NE(WaitForWindowOfProcess(resident, L"TfrmWyndrel", 20000), nullptr);
    HWND notifyWindow = NotifyWindowOf(resident);
    ASSERT_NE(notifyWindow, nullptr);

    // "新規Quillon(&N)" is the first entry: down to it, right into its submenu ("標準(&N)"),
    // down to "HTML(&H)", Enter.
    ASSERT_TRUE(PressOnIconAndChoose(notifyWindow, WM_RBUTTONDOWN,
                                     {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}));
    ASSERT_TRUE(WaitUntil([&] { return !Lines(ReadBytes(startLog)).empty(); }, 20000));
    const std::string started = Lines(ReadBytes(startLog)).front();
    EXPECT_TRUE(started.ends_with(" /html")) << started;
    std::vector<HWND> editors;
    ASSERT_TRUE(WaitUntil(
        [&] { return !(editors = TopLevelWindowsOfClass(L"TQuillonMainForm")).empty(); }, 20000));
    EXPECT_EQ(EditorPath(editors[0]), L"");
    processes.Adopt(editors[0]);

    // The favourites menu: "お気に入りを追加する(&A)", a separator, then the favourite.
    ASSERT_TRUE(PressOnIconAndChoose(notifyWindow, WM_LBUTTONDOWN, {VK_DOWN, VK_DOWN, VK_RETURN}));
    HWND opened = WaitForEditorShowing(favorite, 20000);
    ASSERT_NE(opened, nullptr);
    processes.Adopt(opened);
    const std::vector<std::string> starts = Lines(ReadBytes(startLog));
    ASSERT_EQ(starts.size(), 2u);
    std::string quoted(1, '"');
    quoted += wyndrel::win32::Narrow(favorite);
    quoted += '"';
    EXPECT_TRUE(starts[1].ends_with(quoted)) << starts[1];
}

// Entries chosen with the keyboard in the menu the icon opens, seen on the window, the
// process and the state the program writes as it ends.
TEST(TrayJourney, ViewAutoSaveWindowAndQuitEntriesActOnTheProgram) {
    TWyndrelSettings settings;
    TProcessGuard processes;
    HANDLE resident = processes.StartWyndrel(L"");
    HWND window = WaitForWindowOfProcess(resident, L"TfrmWyndrel", 20000);
    ASSERT_NE(window, nullptr);
    HWND notifyWindow = NotifyWindowOf(resident);
    ASSERT_NE(notifyWindow, nullptr);

    // "表示モード(&M)" -> "水平化(&H)": the bar shape, wide and low.
    ASSERT_TRUE(PressOnIconAndChoose(notifyWindow, WM_RBUTTONDOWN,
                                     {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}));
    EXPECT_TRUE(WaitUntil(
        [&] {
            RECT client{};
            return ::GetClientRect(window, &client) && client.right > 3 * client.bottom;
        },
        10000));
    // "表示モード(&M)" -> "最前面(&T)", past the separator: most-top, on by default, goes off.
    const auto mostTop = [&] {
        return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    };
    ASSERT_TRUE(mostTop());
    ASSERT_TRUE(PressOnIconAndChoose(
        notifyWindow, WM_RBUTTONDOWN,
        {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
    EXPECT_TRUE(WaitUntil([&] { return !mostTop(); }, 10000));
    // "自動保存(&U)" -> "有効にする(&E)": the switch, written as the program ends.
    ASSERT_TRUE(PressOnIconAndChoose(notifyWindow, WM_RBUTTONDOWN,
                                     {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}));
    // "表示(&V)" -> "ウィンドウ(&W)" hides the window; a double-click on the icon shows it.
    ASSERT_TRUE(PressOnIconAndChoose(notifyWindow, WM_RBUTTONDOWN,
                                     {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(window); }, 10000));
    ::PostMessageW(notifyWindow, wyndrel::ui::TrayCallbackMessage, 2, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 10000));
    // "終了(&X)", the last entry: the program ends and writes its state.
    ASSERT_TRUE(PressOnIconAndChoose(notifyWindow, WM_RBUTTONDOWN, {VK_UP, VK_RETURN}));
    ASSERT_EQ(::WaitForSingleObject(resident, 20000), WAIT_OBJECT_0);
    EXPECT_EQ(StoredSetting(L"AutoSave", L"LastEnable"), L"True");
    EXPECT_EQ(StoredSetting(L"Option", L"LastWindowMode"), L"1");
}

}  // namespace
}  // namespace e2e
