// Scatter and put in order on the in-memory desktop: the ranges, untitled windows, the Z order
// and activation, the snapshot kept across scatters, and the put-in-order outcomes.
#include "app/main_window_commands.h"
#include "app/scatter.h"
#include "fakes/fake_clock.h"
#include "platform/silent_abort.h"
#include "unit/layout/layout_world.h"

namespace wyndrel::app {
namespace {

class Scattering : public layout::LayoutWorld {
protected:
    Scattering() { Files.AddFolder("C:\\Tools"); }
    std::vector<Rect> EditorRects() {
        std::vector<Rect> rects;
        for (WindowId window : Editors) rects.push_back(Desktop.Window(window).Bounds);
        return rects;
    }

    const std::string Snapshot = "C:\\Tools\\VOREZUVA.KTDK";
    fakes::TFakeClock Clock;
    ui::TCommandTable Table{MainWindowCommandRule};
    TScatterCommands Commands{{Engine, Launcher, Processes, Files, Ui, Clock}, Snapshot, Table};
    std::vector<WindowId> Editors{Desktop.AddEditor("C:\\a.txt", {10, 20, 410, 320}, 3),
                                  Desktop.AddEditor("C:\\b.txt", {500, 40, 900, 640}, 7),
                                  Desktop.AddEditor("C:\\c.txt", {30, 300, 630, 700}, 0)};
};

TEST(ScatterArea, IsTheVirtualDesktopLessFiveCountedFromZeroAndKeptIn16Bits) {
    EXPECT_EQ(ScatterAreaOf({{{0, 0, 1920, 1080}, {}}}).Width, 1915);
    const TScatterArea two = ScatterAreaOf({{{0, 0, 1920, 1080}, {}}, {{-1280, -200, 0, 824}, {}}});
    EXPECT_EQ(two.Width, 3195);
    EXPECT_EQ(two.Height, 1275);
    EXPECT_EQ(ScatterAreaOf({{{0, 0, 3, 70000}, {}}}).Width, 0);
    EXPECT_EQ(ScatterAreaOf({{{0, 0, 3, 70000}, {}}}).Height, 65535);
    EXPECT_EQ(ScatterAreaOf({}).Width, 0);
}

TEST_F(Scattering, MovesEveryTitledEditorIntoTheRangesWithValuesOfItsOwnAndLeavesTheRestAlone) {
    Desktop.SetMonitors(
        {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}, {{1920, 0, 3200, 1024}, {1920, 0, 3200, 1024}}});
    WindowId untitled = Desktop.AddEditor("", {5, 6, 105, 106});
    WindowId other = Desktop.AddTopLevel("Notepad", {1, 2, 3, 4});
    Desktop.SetActiveWindow(other);
    const std::vector<WindowId> zOrder = Desktop.ZOrder();
    Commands.ScatterWindows();
    const std::vector<Rect> rects = EditorRects();
    for (const Rect& rect : rects) {
        EXPECT_GE(rect.Left, 0);
        EXPECT_LT(rect.Left, 3195);
        EXPECT_GE(rect.Top, 0);
        EXPECT_LT(rect.Top, 1075);
        EXPECT_LT(rect.Width(), 3195);
        EXPECT_LT(rect.Height(), 1075);
    }
    EXPECT_NE(rects[0], rects[1]);
    EXPECT_NE(rects[1], rects[2]);
    EXPECT_EQ(Desktop.Window(untitled).Bounds, (Rect{5, 6, 105, 106}));
    EXPECT_EQ(Desktop.Window(other).Bounds, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(Desktop.ZOrder(), zOrder);
    EXPECT_EQ(Desktop.ActiveWindow(), other);
    EXPECT_TRUE(Commands.PutInOrderEnabled());
}

TEST_F(Scattering, KeepsTheLayoutFromBeforeTheFirstScatterAndPutsEveryWindowBackOnIt) {
    const std::vector<Rect> before = EditorRects();
    Commands.ScatterWindows();
    const std::string snapshot = std::get<std::string>(Files.ReadTextFile(Snapshot));
    Commands.ScatterWindows();
    EXPECT_EQ(std::get<std::string>(Files.ReadTextFile(Snapshot)), snapshot);
    EXPECT_NE(EditorRects(), before);
    Commands.pmPutInOrderClick();
    EXPECT_EQ(EditorRects(), before);
    EXPECT_FALSE(Files.FileExists(Snapshot));
    EXPECT_FALSE(Commands.PutInOrderEnabled());
    EXPECT_TRUE(Processes.Starts().empty());
    EXPECT_TRUE(Ui.Messages().empty());
}

TEST_F(Scattering, RestoresAMaximisedEditorToNormalSizeWithoutActivatingItAndPutsItBackMaximised) {
    Desktop.Maximise(Editors[1]);
    Desktop.SetActiveWindow(Editors[0]);
    const std::vector<WindowId> zOrder = Desktop.ZOrder();
    Commands.ScatterWindows();
    EXPECT_FALSE(Desktop.Window(Editors[1]).Zoomed);
    EXPECT_EQ(Desktop.ZOrder(), zOrder);
    EXPECT_EQ(Desktop.ActiveWindow(), Editors[0]);
    Commands.pmPutInOrderClick();
    EXPECT_TRUE(Desktop.Window(Editors[1]).Zoomed);
    EXPECT_EQ(Desktop.Window(Editors[1]).NormalBounds, (Rect{500, 40, 900, 640}));
    EXPECT_EQ(Desktop.Window(Editors[0]).Bounds, (Rect{10, 20, 410, 320}));
}

TEST_F(Scattering, MovesNothingWhenTheSnapshotCannotBeWritten) {
    const std::vector<Rect> before = EditorRects();
    Files.MakeFolderUnwritable("C:\\Tools");
    Commands.ScatterWindows();
    EXPECT_EQ(EditorRects(), before);
    EXPECT_FALSE(Files.FileExists(Snapshot));
    EXPECT_FALSE(Commands.PutInOrderEnabled());
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].Box.Icon, TBoxIcon::Error);
}

TEST_F(Scattering, WarnsWithTheFullPathWhenTheSnapshotIsGoneAndDisablesTheEntry) {
    Commands.ScatterWindows();
    Files.RemoveFile(Snapshot);
    Commands.pmPutInOrderClick();
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].DialogType, TDialogType::Warning);
    EXPECT_EQ(Ui.Messages()[0].Text,
              "C:\\Tools\\VOREZUVA.KTDK\r\nファイルを削除されたため片づけが出来ません。");
    EXPECT_EQ(Ui.Messages()[0].Buttons, TBoxButtons::Ok);
    EXPECT_FALSE(Commands.PutInOrderEnabled());
}

TEST_F(Scattering, KeepsTheSnapshotAndTheEntryWhenTheRestoreFails) {
    Commands.ScatterWindows();
    Files.AddFile(Snapshot, "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nCurs=x\r\n");
    EXPECT_THROW(Commands.pmPutInOrderClick(), ESilentAbort);
    EXPECT_TRUE(Files.FileExists(Snapshot));
    EXPECT_TRUE(Commands.PutInOrderEnabled());
}

}  // namespace
}  // namespace wyndrel::app
