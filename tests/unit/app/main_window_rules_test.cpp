// The main window's rules without a window: shapes, start position, window menu, closing,
// exit state and dropped files.
#include "app/main_window_rules.h"
#include "app/start_position.h"
#include "app/view_mode.h"
#include "app/window_menu.h"
#include "fakes/fake_files.h"
#include "fakes/fake_window_menu.h"
#include "platform/silent_abort.h"

#include <gtest/gtest.h>

namespace wyndrel::app {
namespace {

const TPlacedButton& Button(const TMainWindowArrangement& shape, const std::string& name) {
    for (const auto& button : shape.Buttons)
        if (name == button.Name) return button;
    throw std::out_of_range(name);
}

TEST(MainWindowShapes, StartFromEitherModeKeyAndCycleThroughTheThreeShapes) {
    EXPECT_EQ(ViewModeAtStart(1, 2), TViewMode::Normal);
    EXPECT_EQ(ViewModeAtStart(3, 0), TViewMode::Vertical);
    EXPECT_EQ(ViewModeAtStart(0, 1), TViewMode::Horizontal);
    EXPECT_EQ(ViewModeAtStart(0, 7), TViewMode::Normal);
    EXPECT_EQ(ViewModeAtStart(4, 2), TViewMode::Vertical);
    EXPECT_EQ(NextViewMode(NextViewMode(NextViewMode(TViewMode::Horizontal))),
              TViewMode::Horizontal);
    EXPECT_EQ(&ArrangeMainWindow(ViewModeFromNumber(9)), &ArrangeMainWindow(TViewMode::Normal));
}

TEST(MainWindowShapes, KeepTheirSizesOverlapsAndCaptions) {
    const auto& normal = ArrangeMainWindow(TViewMode::Normal);
    const auto& horizontal = ArrangeMainWindow(TViewMode::Horizontal);
    const auto& vertical = ArrangeMainWindow(TViewMode::Vertical);
    EXPECT_EQ((std::array{normal.ClientWidth, normal.ClientHeight, horizontal.ClientWidth,
                          horizontal.ClientHeight, vertical.ClientWidth, vertical.ClientHeight}),
              (std::array{144, 96, 204, 40, 56, 181}));
    EXPECT_EQ(Button(normal, "btnSaveEnd").Bounds, (Rect{72, 72, 145, 97}));
    EXPECT_EQ(Button(normal, "btnSave").Bounds.Left, Button(normal, "btnRead").Bounds.Right - 1);
    EXPECT_EQ(Button(horizontal, "btnReadEnd").Bounds, (Rect{144, 0, 205, 21}));
    EXPECT_EQ(Button(horizontal, "btnOption").Bounds.Top,
              Button(horizontal, "btnRead").Bounds.Bottom - 1);
    EXPECT_EQ(Button(vertical, "btnRead").Bounds, (Rect{3, 18, 54, 39}));
    EXPECT_EQ(Button(vertical, "btnSaveEnd").Bounds, (Rect{3, 158, 54, 179}));
    EXPECT_EQ(std::string(vertical.Buttons[4].Name), "btnChangeView");
    EXPECT_TRUE(normal.TitleBar && horizontal.TitleBar && !vertical.TitleBar);
    EXPECT_TRUE(vertical.GradientBarVisible && !normal.GradientBarVisible);
    EXPECT_EQ(std::string(normal.Captions[2].Caption) + horizontal.Captions[2].Caption +
                  vertical.Captions[0].Caption + vertical.Captions[1].Caption +
                  horizontal.Captions[1].Caption,
              "表示切替(&V)表示(&V)&1.読終&2.保終保存.終(&2)");
}

TEST(MainWindowStart, TakesEachPositionTypeWithItsOwnFormula) {
    fakes::TFakeFiles files;
    settings::TSettingsFile settings(files, "C:\\w.ini");
    TStartWindowMetrics window{{253, 100}, 150, 122, 144, 96, 1025, 769};
    auto at = [&](const std::string& values) {
        files.AddFile("C:\\w.ini", "[Option]\r\n" + values);
        return StartWindowPosition(settings, window);
    };
    EXPECT_FALSE(at("StartWindowPosType=1\r\nLeft=5\r\n").has_value());
    auto user = at("StartWindowPosType=2\r\nUserLeft=-40\r\nLeft=5\r\n");
    EXPECT_EQ(user->Position, (Point{-40, 100}));
    EXPECT_TRUE(user->Stored);
    auto centre = at("StartWindowPosType=3\r\n");
    EXPECT_EQ(centre->Position, (Point{437, 336}));  // outer width, client height
    EXPECT_FALSE(centre->Stored);
    EXPECT_EQ(at("Left=9000\r\nTop=x\r\n")->Position, (Point{9000, 336}));
    EXPECT_EQ(at("StartWindowPosType=7\r\n")->Position, (Point{440, 336}));  // client width
    window.ScreenWidth = 101;  // (101 - 150) / 2 truncates toward zero
    EXPECT_EQ(at("StartWindowPosType=3\r\n")->Position.X, -24);
}

TEST(MainWindowMenu, HoldsOneSetOfEntriesHoweverOftenTheWindowIsShown) {
    fakes::TFakeWindowMenu menu;
    RefreshWindowMenu(menu, true);
    RefreshWindowMenu(menu, true);
    EXPECT_EQ(menu.Ids(), (std::vector<std::uint32_t>{0xF120, 0xF010, 0xF000, 0xF020, 0xF030, 11000,
                                                      10000, 10001, 10002, 10004, 0, 0xF060}));
    EXPECT_EQ(menu.Entries[6].Text, "各種設定(&O)...");
    EXPECT_EQ(menu.Entries[8].Text, "最前面(&M)");
    EXPECT_EQ(menu.Redraws, 4);
    RefreshWindowMenu(menu, false);
    EXPECT_EQ(menu.Ids(), (std::vector<std::uint32_t>{0xF120, 0xF010, 0xF000, 0xF020, 0xF030, 11000,
                                                      10000, 10001, 10002, 0, 0xF060}));
}

TEST(MainWindowClosing, HidesOrQuitsByCloseNoExitAndWritesItsStateAtExit) {
    EXPECT_EQ(CloseQuery(false, false, true), TCloseAnswer::Close);
    EXPECT_EQ(CloseQuery(false, true, true), TCloseAnswer::HideInstead);
    EXPECT_EQ(CloseQuery(false, true, false), TCloseAnswer::Quit);
    EXPECT_EQ(CloseQuery(true, true, true), TCloseAnswer::Close);

    fakes::TFakeFiles files;
    files.AddFile("C:\\w.ini", "[Option]\r\nIsMostTop=False\r\n");
    settings::TIniAccess ini(files);
    ini.IniFileName = "C:\\w.ini";
    WriteExitState(ini, {-7, 30}, TViewMode::Vertical, true);
    EXPECT_EQ(files.Content("C:\\w.ini"),
              "[Option]\r\nIsMostTop=False\r\nLeft=-7\r\nTop=30\r\nLastWindowMode=2\r\n[AutoSave]"
              "\r\nLastEnable=True\r\n");
}

TEST(MainWindowDrop, RestoresFilesInOrderAndSkipsTheRestAfterASilentAbort) {
    std::vector<std::string> loaded;
    auto load = [&loaded](const std::string& path) {
        loaded.push_back(path);
        if (path == "b.qdl") throw ESilentAbort();
    };
    EXPECT_EQ(RestoreDroppedFiles({"a.qdl", "", "b.qdl", "c.qdl"}, load), 2);
    EXPECT_EQ(loaded, (std::vector<std::string>{"a.qdl", "b.qdl"}));
    EXPECT_EQ(RestoreDroppedFiles({}, load), 0);
}

}  // namespace
}  // namespace wyndrel::app
