// Starting the editor and waiting for its window: command lines, start-up placement,
// priorities, the bounded waits, and the window put in front.
#include "layout/editor_placement.h"
#include "layout_world.h"

namespace wyndrel::layout {
namespace {

class LaunchingTheEditor : public LayoutWorld {};

TEST_F(LaunchingTheEditor, BuildsCommandLinesWithTheEditorPathUnquoted) {
    const std::string editor = "C:\\Program Files\\Quillon\\Quillon.exe";
    EXPECT_EQ(OpenFileCommandLine(editor, "C:\\My Docs\\a b.txt"),
              editor + " \"C:\\My Docs\\a b.txt\"");
    EXPECT_EQ(NewDocumentCommandLine(editor, 0), editor);
    EXPECT_EQ(NewDocumentCommandLine(editor, 1), editor + " /html");
    EXPECT_EQ(NewDocumentCommandLine(editor, 9), editor + " /pas");
    EXPECT_EQ(NewDocumentCommandLine(editor, 10), std::nullopt);
    EXPECT_EQ(NewDocumentCommandLine(editor, -1), std::nullopt);
}

TEST_F(LaunchingTheEditor, NamesTheEditorAsTheProgramToStartAndKeepsItsCommandLines) {
    Launcher.OpenLayoutEntry("C:\\a.txt", 10, 20, 300, 400, 0);
    Launcher.OpenFileInEditor("C:\\fav.txt");
    Launcher.StartNewEditor(2);
    const std::string editor = "C:\\Program Files\\Quillon\\Quillon.exe";
    ASSERT_EQ(Processes.Starts().size(), 3u);
    for (const fakes::TFakeStart& start : Processes.Starts()) EXPECT_EQ(start.Application, editor);
    EXPECT_EQ(Processes.Starts()[0].CommandLine, editor + " \"C:\\a.txt\"");
    EXPECT_EQ(Processes.Starts()[1].CommandLine, editor + " \"C:\\fav.txt\"");
    EXPECT_EQ(Processes.Starts()[2].CommandLine, editor + " /perl");
}

TEST_F(LaunchingTheEditor, AsksForPlacementRaisesPriorityWaitsBoundedAndReleasesTheProcess) {
    Launcher.OpenLayoutEntry("C:\\a.txt", 10, 20, 300, 400, 3);
    ASSERT_EQ(Processes.Starts().size(), 1u);
    const fakes::TFakeStart& start = Processes.Starts()[0];
    ASSERT_TRUE(start.Placement);
    EXPECT_EQ(start.Placement->Left, 10);
    EXPECT_EQ(start.Placement->Height, 400);
    EXPECT_EQ(start.Priorities,
              (std::vector<TPriorityClass>{TPriorityClass::High, TPriorityClass::Normal}));
    EXPECT_EQ(start.IdleWaits, std::vector<std::uint32_t>{30000});
    EXPECT_EQ(Processes.OpenHandles(), 0);
    WindowId editor = EditorShowing("C:\\a.txt");
    EXPECT_EQ(Selection(editor), std::make_pair(3, 3));
    EXPECT_EQ(Desktop.Window(Desktop.EditorChild(editor)).CaretScrolls, 1);
}

TEST_F(LaunchingTheEditor, AsksForNoPlacementWhenTheWidthIsZeroButStillSizesTheWindow) {
    Launcher.OpenLayoutEntry("C:\\a.txt", 10, 20, 0, 400, 0);
    EXPECT_FALSE(Processes.Starts()[0].Placement);
    EXPECT_EQ(Desktop.Window(EditorShowing("C:\\a.txt")).Bounds, (Rect{10, 20, 10, 420}));
}

TEST_F(LaunchingTheEditor, ReusesAMinimisedWindowShowingTheFileWithoutStartingAnything) {
    WindowId shown = Desktop.AddEditor("c:\\DOCS\\a.txt", {0, 0, 50, 50}, 0);
    Desktop.Window(shown).Iconic = true;
    Desktop.AddTopLevel("Notepad");
    Launcher.OpenLayoutEntry("C:\\docs\\A.TXT", 5, 6, 70, 80, 4);
    EXPECT_TRUE(Processes.Starts().empty());
    EXPECT_FALSE(Desktop.Window(shown).Iconic);
    EXPECT_EQ(Desktop.Window(shown).Bounds, (Rect{5, 6, 75, 86}));
    EXPECT_EQ(Desktop.Foreground(), shown);
    EXPECT_EQ(Desktop.ZOrder().front(), shown);
}

TEST_F(LaunchingTheEditor,
       BringsRectanglesBeyondEveryMonitorOntoTheNearestAndKeepsPartlyVisibleOnes) {
    Desktop.SetMonitors(
        {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}, {{-1280, 0, 0, 1024}, {-1280, 0, 0, 984}}});
    WindowId shown = Desktop.AddEditor("C:\\shown.txt", {0, 0, 50, 50}, 0);
    Launcher.OpenLayoutEntry("C:\\shown.txt", 5000, 100, 800, 600, 0);
    EXPECT_EQ(Desktop.Window(shown).Bounds, (Rect{1120, 100, 1920, 700}));

    Launcher.OpenLayoutEntry("C:\\started.txt", -5000, 900, 640, 480, 0);
    ASSERT_EQ(Processes.Starts().size(), 1u);
    ASSERT_TRUE(Processes.Starts()[0].Placement);
    EXPECT_EQ(Processes.Starts()[0].Placement->Left, -1280);
    EXPECT_EQ(Processes.Starts()[0].Placement->Top, 504);
    EXPECT_EQ(Desktop.Window(EditorShowing("C:\\started.txt")).Bounds,
              (Rect{-1280, 504, -640, 984}));

    Launcher.OpenLayoutEntry("C:\\shown.txt", -1500, -20, 400, 300, 0);
    EXPECT_EQ(Desktop.Window(shown).Bounds, (Rect{-1500, -20, -1100, 280}));
}

TEST_F(LaunchingTheEditor,
       MaximisesAMaximisedEntryOnTheMonitorOfItsNormalRectangleReusedOrStarted) {
    Desktop.SetMonitors(
        {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}, {{-1280, 0, 0, 1024}, {-1280, 0, 0, 984}}});
    auto maximised = [](const std::string& path, TWindowBox normal) {
        return TLayout{path, 4, -8, -8, 1936, 1056, {}, TShowState::Maximized, normal};
    };
    // Reused: maximised on the primary monitor, it ends maximised on the left one.
    WindowId shown = Desktop.AddEditor("C:\\shown.txt", {100, 100, 500, 400}, 0);
    Desktop.Maximise(shown);
    Launcher.OpenLayoutEntry(maximised("C:\\shown.txt", {-1000, 50, 400, 300}));
    EXPECT_TRUE(Desktop.Window(shown).Zoomed);
    EXPECT_EQ(Desktop.Window(shown).NormalBounds, (Rect{-1000, 50, -600, 350}));
    EXPECT_EQ(Desktop.Window(shown).Bounds, (Rect{-1288, -8, 8, 992}));
    // Started at the normal rectangle, brought onto the nearest monitor, then maximised there.
    Launcher.OpenLayoutEntry(maximised("C:\\started.txt", {5000, 200, 400, 300}));
    ASSERT_EQ(Processes.Starts().size(), 1u);
    EXPECT_EQ(Processes.Starts()[0].Placement, (TStartPlacement{1520, 200, 400, 300}));
    WindowId started = EditorShowing("C:\\started.txt");
    EXPECT_EQ(Desktop.Window(started).NormalBounds, (Rect{1520, 200, 1920, 500}));
    EXPECT_EQ(Desktop.Window(started).Bounds, (Rect{-8, -8, 1928, 1048}));
    EXPECT_EQ(Desktop.Foreground(), started);
    EXPECT_EQ(Selection(started), std::make_pair(4, 4));

    // Placed without activating or a change of the Z order, as far as maximising allows.
    Desktop.SetActiveWindow(shown);
    const std::vector<WindowId> zOrder = Desktop.ZOrder();
    PlaceEditorWindow(Desktop, started, {"C:\\started.txt", 0, 30, 40, 300, 200, {}},
                      TPlaceStacking::KeepZOrder);
    EXPECT_FALSE(Desktop.Window(started).Zoomed);
    EXPECT_EQ(Desktop.Window(started).Bounds, (Rect{30, 40, 330, 240}));
    EXPECT_EQ(Desktop.ZOrder(), zOrder);
    EXPECT_EQ(Desktop.ActiveWindow(), shown);
    PlaceEditorWindow(Desktop, started, maximised("", {60, 70, 300, 200}),
                      TPlaceStacking::KeepZOrder);
    EXPECT_EQ(Desktop.Window(started).NormalBounds, (Rect{60, 70, 360, 270}));
    EXPECT_EQ(Desktop.ActiveWindow(), started);
}

TEST_F(LaunchingTheEditor, PutsACaretBeyondTheTextWhereTheTextControlPutsIt) {
    WindowId shown = Desktop.AddEditor("C:\\a.txt", {0, 0, 50, 50}, 0, "short");
    Launcher.OpenLayoutEntry("C:\\a.txt", 0, 0, 50, 50, 999);
    EXPECT_EQ(Selection(shown), std::make_pair(5, 5));
}

TEST_F(LaunchingTheEditor, FindsALateWindowByPollingWhileSleepingOnTheMessageQueue) {
    ModelEditor({.WindowDelayMs = 600});
    Launcher.OpenLayoutEntry("C:\\a.txt", 10, 20, 300, 400, 0);
    EXPECT_TRUE(Ui.Messages().empty());
    EXPECT_TRUE(EditorShowing("C:\\a.txt"));
    // Each pause sleeps about 15 ms: some forty pauses, not thousands of spins.
    EXPECT_GE(Ui.PumpCount(), 35);
    EXPECT_LE(Ui.PumpCount(), 45);
}

TEST_F(LaunchingTheEditor, GivesUpAfterOneSecondWithoutAWindow) {
    ModelEditor({.WindowDelayMs = 1500});
    std::uint32_t before = Processes.TickCount();
    Launcher.OpenLayoutEntry("C:\\a.txt", 10, 20, 300, 400, 0);
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].DialogType, TDialogType::Error);
    EXPECT_EQ(Ui.Messages()[0].Text, "起動させたQuillonを確認できませんでした。");
    EXPECT_GE(Processes.TickCount() - before, 1000u);
    EXPECT_LT(Processes.TickCount() - before, 1100u);
}

TEST_F(LaunchingTheEditor, ReportsAnEditorThatCannotBeStarted) {
    ModelEditor({.StartFails = true});
    Launcher.OpenLayoutEntry("C:\\a.txt", 10, 20, 300, 400, 0);
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].Text, "起動させたQuillonを確認できませんでした。");
}

TEST_F(LaunchingTheEditor, BoundsTheWaitForAnEditorThatNeverGetsReady) {
    ModelEditor({.NeverIdle = true});
    Launcher.OpenLayoutEntry("C:\\a.txt", 10, 20, 300, 400, 0);
    EXPECT_EQ(Processes.Starts()[0].IdleWaits, std::vector<std::uint32_t>{30000});
    EXPECT_TRUE(EditorShowing("C:\\a.txt"));
    EXPECT_TRUE(Ui.Messages().empty());
}

TEST_F(LaunchingTheEditor, OpenFileInEditorDoesNotPollForALateWindow) {
    ModelEditor({.WindowDelayMs = 300});
    Launcher.OpenFileInEditor("C:\\fav.txt");
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].Text, "起動させたQuillonを確認できませんでした。");
    EXPECT_FALSE(Processes.Starts()[0].Placement);
}

TEST_F(LaunchingTheEditor, OpenFileInEditorShowsTheWindowWhereItIsWithoutTouchingTheCaret) {
    WindowId shown = Desktop.AddEditor("C:\\fav.txt", {30, 40, 130, 140}, 8);
    Desktop.Window(shown).Zoomed = true;
    Desktop.AddTopLevel("Notepad");
    Launcher.OpenFileInEditor("C:\\fav.txt");
    EXPECT_TRUE(Processes.Starts().empty());
    EXPECT_FALSE(Desktop.Window(shown).Zoomed);
    EXPECT_EQ(Desktop.Window(shown).Bounds, (Rect{30, 40, 130, 140}));
    EXPECT_EQ(Desktop.Foreground(), shown);
    EXPECT_EQ(Selection(shown), std::make_pair(8, 8));
}

TEST_F(LaunchingTheEditor, StartsNothingForAPathNoFileCanHaveAndSaysSoNamingThePath) {
    const std::string quoted = "C:\\docs\\a.txt\" /evil \"b.txt";
    Launcher.OpenLayoutEntry(quoted, 10, 20, 300, 400, 0);
    Launcher.OpenFileInEditor("C:\\docs\\what?.txt");
    EXPECT_TRUE(Processes.Starts().empty());
    ASSERT_EQ(Ui.Messages().size(), 2u);
    EXPECT_EQ(Ui.Messages()[0].DialogType, TDialogType::Error);
    EXPECT_EQ(Ui.Messages()[0].Buttons, TBoxButtons::Ok);
    EXPECT_EQ(Ui.Messages()[0].Text,
              quoted + "\r\nパスに使えない文字が含まれているため、Quillonを起動しませんでした。");
    EXPECT_EQ(Ui.Messages()[1].Text,
              "C:\\docs\\what?."
              "txt\r\nパスに使えない文字が含まれているため、Quillonを起動しませんでした。");
}

TEST_F(LaunchingTheEditor, StartNewEditorStartsTheTypeWithItsPriorityAndNothingOutsideTheRange) {
    Launcher.StartNewEditor(0);
    Launcher.StartNewEditor(5);
    Launcher.StartNewEditor(10);
    ASSERT_EQ(Processes.Starts().size(), 2u);
    EXPECT_EQ(Processes.Starts()[0].CommandLine, "C:\\Program Files\\Quillon\\Quillon.exe");
    EXPECT_EQ(Processes.Starts()[0].Priorities[0], TPriorityClass::RealTime);
    EXPECT_EQ(Processes.Starts()[1].CommandLine, "C:\\Program Files\\Quillon\\Quillon.exe /cpp");
    EXPECT_EQ(Processes.Starts()[1].Priorities[0], TPriorityClass::High);
    EXPECT_TRUE(Ui.Messages().empty());
}

}  // namespace
}  // namespace wyndrel::layout
