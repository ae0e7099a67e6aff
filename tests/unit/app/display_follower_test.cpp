// Editors following the displays on the in-memory desktop: stranded windows brought onto a
// monitor, and a configuration that comes back getting its editors back.
#include "app/display_follower.h"
#include "app/main_window_commands.h"
#include "app/main_window_ids.h"
#include "fakes/fake_timer.h"
#include "unit/layout/layout_world.h"

namespace wyndrel::app {
namespace {

const TMonitor Laptop{{0, 0, 1366, 768}, {0, 0, 1366, 728}};
const TMonitor RightScreen{{1366, 0, 3286, 1080}, {1366, 0, 3286, 1080}};
const TMonitor LeftScreen{{-1920, -200, 0, 880}, {-1920, -200, 0, 840}};

class DisplayFollower : public layout::LayoutWorld {
protected:
    DisplayFollower() {
        Ini.IniFileName = "C:\\Tools\\wyndrel.ini";
        Desktop.SetMonitors({Laptop, RightScreen});
        Timer.OnTick([this] { Table.Dispatch(ids::cmdDisplaySettled); });
    }
    void Capture() { Follower.Remember(*Engine.CaptureEditors()); }
    // The platform changes the displays and moves what it likes; two quiet seconds follow.
    void Change(std::vector<TMonitor> monitors, const std::function<void()>& platformMoves = {}) {
        Desktop.SetMonitors(std::move(monitors));
        Table.Dispatch(ids::cmdDisplayChanged);
        if (platformMoves) platformMoves();
        Capture();  // a minute's capture before the change has settled is not kept
        Timer.AdvanceTime(DisplaySettleMs);
    }
    void Move(WindowId window, Rect to) {
        ASSERT_TRUE(Desktop.SetWindowPos(window, TInsertAfter::Top, to.Left, to.Top, to.Width(),
                                         to.Height(),
                                         TPlacementFlags::NoZOrder | TPlacementFlags::NoActivate));
    }
    Rect Bounds(WindowId window) { return Desktop.Window(window).Bounds; }

    settings::TIniAccess Ini{Files};
    fakes::TFakeTimer Timer;
    ui::TCommandTable Table{MainWindowCommandRule};
    TDisplayFollower Follower{{Engine, Ini, Timer}, Table};
    WindowId Left = Desktop.AddEditor("C:\\left.txt", {100, 100, 700, 600});
    WindowId Right = Desktop.AddEditor("C:\\right.txt", {1500, 100, 2300, 900});
};

TEST_F(DisplayFollower,
       BringsStrandedEditorsOntoAMonitorAndPutsThemBackWhenTheConfigurationReturns) {
    Capture();
    const std::vector<WindowId> order = Desktop.ZOrder();
    // Undocked: the right-hand editor stands on no monitor and comes onto the laptop's work area.
    Change({Laptop});
    EXPECT_EQ(Bounds(Right), (Rect{566, 0, 1366, 728}));
    EXPECT_EQ(Bounds(Left), (Rect{100, 100, 700, 600}));
    Move(Left, {10, 10, 300, 300});  // the user works on the laptop
    Capture();
    // Docked again: both come back where the last capture with two monitors had them.
    Change({RightScreen, Laptop});
    EXPECT_EQ(Bounds(Right), (Rect{1500, 100, 2300, 900}));
    EXPECT_EQ(Bounds(Left), (Rect{100, 100, 700, 600}));
    EXPECT_EQ(Desktop.ZOrder(), order);
    EXPECT_EQ(Desktop.ActiveWindow(), WindowId{});
    // Undocked again: the laptop's own capture comes back too.
    Change({Laptop});
    EXPECT_EQ(Bounds(Left), (Rect{10, 10, 300, 300}));

    // A screen to the left of the primary, never seen: only what is stranded moves. A window
    // the user closed is not brought back; a platform that moves windows meanwhile does not
    // spoil the capture of the configuration that comes back.
    Change({LeftScreen, Laptop});
    EXPECT_EQ(Bounds(Left), (Rect{10, 10, 300, 300}));
    Desktop.Destroy(Right);
    Change({Laptop, RightScreen}, [this] { Move(Left, {-1800, 0, -1500, 300}); });
    EXPECT_EQ(Bounds(Left), (Rect{100, 100, 700, 600}));
    EXPECT_EQ(Engine.CaptureEditors()->size(), 1u);
}

TEST_F(DisplayFollower,
       AMaximisedEditorStaysMaximisedOnTheMonitorItComesToAndOnTheOneItGoesBackTo) {
    const WindowId wide = Desktop.AddEditor("C:\\wide.txt", {1400, 50, 2000, 500});
    Desktop.Maximise(wide);
    Capture();
    Change({Laptop});
    EXPECT_TRUE(Desktop.IsZoomed(wide));
    EXPECT_EQ(Bounds(wide), (Rect{-8, -8, 1374, 736}));  // over the laptop's work area
    EXPECT_EQ(Bounds(Right), (Rect{566, 0, 1366, 728}));
    Change({Laptop, RightScreen});
    EXPECT_TRUE(Desktop.IsZoomed(wide));
    EXPECT_EQ(Bounds(wide), (Rect{1358, -8, 3294, 1088}));
    EXPECT_EQ(Desktop.NormalPosition(wide), (Rect{1400, 50, 2000, 500}));
    EXPECT_EQ(Bounds(Right), (Rect{1500, 100, 2300, 900}));
}

TEST_F(DisplayFollower, KeepsEightConfigurationsAndOnlyBringsStrandedOnesWhenSwitchedOff) {
    Capture();                                       // two monitors
    for (int width = 1000; width < 1008; ++width) {  // eight configurations more
        Change({{{0, 0, width, 768}, {0, 0, width, 728}}});
        Capture();
    }
    Move(Left, {5, 5, 50, 50});
    Change({Laptop, RightScreen});
    EXPECT_EQ(Bounds(Left), (Rect{5, 5, 50, 50}));  // the first, the ninth back, is forgotten
    Change({{{0, 0, 1007, 768}, {0, 0, 1007, 728}}});
    EXPECT_NE(Bounds(Left), (Rect{5, 5, 50, 50}));

    Files.AddFile(Ini.IniFileName, "[Option]\r\nFollowDisplays=False\r\n");
    Capture();
    Move(Left, {-900, 5, -800, 50});
    Change({Laptop});
    EXPECT_EQ(Bounds(Left), (Rect{0, 5, 100, 50}));  // stranded: onto the nearest work area
    Change({{{0, 0, 1007, 768}, {0, 0, 1007, 728}}});
    EXPECT_EQ(Bounds(Left), (Rect{0, 5, 100, 50}));
}

}  // namespace
}  // namespace wyndrel::app
