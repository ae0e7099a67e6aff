// Bringing recorded rectangles onto a monitor: what is kept, where the rest goes, the
// placement's workspace coordinates in screen terms, a window's monitor, and centring a window.
#include "platform/work_area.h"

#include <gtest/gtest.h>

#include <limits>

namespace wyndrel {
namespace {

// A 1920 x 1080 primary monitor with its task bar at the bottom, and a 1280 x 1024 one on
// its left, whose task bar is at the top.
const TMonitor Primary{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
const TMonitor LeftOfPrimary{{-1280, 0, 0, 1024}, {-1280, 30, 0, 1024}};

TEST(MovingOntoAWorkArea, KeepsEveryRectangleThatOverlapsSomeWorkAreaExactly) {
    const std::vector<TMonitor> both{Primary, LeftOfPrimary};
    for (TWindowBox box : {TWindowBox{10, 20, 300, 400}, TWindowBox{-300, -100, 400, 300},
                           TWindowBox{1919, 1039, 500, 500}, TWindowBox{-1500, 500, 300, 200},
                           TWindowBox{100, 100, 0, 0}, TWindowBox{-4, -4, 1932, 1052}})
        EXPECT_EQ(MoveOntoNearestWorkArea(box, both), box) << box.Left << "," << box.Top;
    // Without the left monitor, a rectangle that only it showed is moved.
    EXPECT_EQ(MoveOntoNearestWorkArea({-1500, 500, 300, 200}, {Primary}),
              (TWindowBox{0, 500, 300, 200}));
    EXPECT_EQ(MoveOntoNearestWorkArea({-1500, 500, 300, 200}, {}),
              (TWindowBox{-1500, 500, 300, 200}));
}

TEST(MovingOntoAWorkArea, MovesARectangleBeyondEveryMonitorWholeOntoTheNearestWithItsSize) {
    const std::vector<TMonitor> both{Primary, LeftOfPrimary};
    EXPECT_EQ(MoveOntoNearestWorkArea({5000, 300, 800, 600}, both),
              (TWindowBox{1120, 300, 800, 600}));
    EXPECT_EQ(MoveOntoNearestWorkArea({-3000, -900, 640, 480}, both),
              (TWindowBox{-1280, 30, 640, 480}));
    // Under the primary's task bar only: on the monitor but not on its work area.
    EXPECT_EQ(MoveOntoNearestWorkArea({100, 1045, 300, 30}, both),
              (TWindowBox{100, 1010, 300, 30}));
    // Below the left monitor: nearer to it than to the primary's corner.
    EXPECT_EQ(MoveOntoNearestWorkArea({-300, 1100, 40, 40}, both), (TWindowBox{-300, 984, 40, 40}));
    // Larger than the work area: shrunk to it along that axis only.
    EXPECT_EQ(MoveOntoNearestWorkArea({-32000, -32000, 2500, 300}, {Primary}),
              (TWindowBox{0, 0, 1920, 300}));
    constexpr std::int32_t Most = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(MoveOntoNearestWorkArea({Most, Most, Most, Most}, {Primary}),
              (TWindowBox{0, 0, 1920, 1040}));
    EXPECT_EQ(MoveOntoNearestWorkArea({Most - 10, 5, 400, -7}, {Primary}),
              (TWindowBox{1520, 5, 400, -7}));
}

TEST(MovingOntoAWorkArea, TurnsWorkspaceCoordinatesIntoScreenCoordinatesOfTheWindowsMonitor) {
    const TMonitor taskBarLeft{{0, 0, 1920, 1080}, {60, 0, 1920, 1080}};
    const std::vector<TMonitor> both{taskBarLeft, LeftOfPrimary};
    EXPECT_EQ(WorkspaceToScreen({40, 10, 440, 310}, both), (Rect{100, 10, 500, 310}));
    EXPECT_EQ(WorkspaceToScreen({-1000, 100, -600, 400}, both), (Rect{-1000, 130, -600, 430}));
    EXPECT_EQ(WorkspaceToScreen({40, 10, 440, 310}, {}), (Rect{40, 10, 440, 310}));
}

TEST(FindingAWindowsMonitor, TakesTheOneItSharesMostWithElseTheNearestAndThePrimaryOfEquals) {
    const std::vector<TMonitor> both{Primary, LeftOfPrimary};
    EXPECT_EQ(WorkAreaHolding({-200, 100, 100, 300}, both), LeftOfPrimary.WorkArea);
    EXPECT_EQ(WorkAreaHolding({-100, 100, 100, 300}, both), Primary.WorkArea);
    EXPECT_EQ(WorkAreaHolding({-600, 1100, -400, 1200}, both),
              LeftOfPrimary.WorkArea);  // below it, beside no other
    EXPECT_EQ(WorkAreaHolding({0, 0, 10, 10}, {}), std::nullopt);
}

TEST(CentringABox, HalvesTheDifferenceTowardZeroAndThenKeepsTheBoxOnTheWorkAreaLeftTopBottomRight) {
    const Rect screen{0, 0, 1920, 1080};
    // Only the box's size counts; the odd pixel goes right and below, also when it overhangs.
    EXPECT_EQ(CentreOn({500, 500, 601, 551}, screen), (Rect{909, 514, 1010, 565}));
    EXPECT_EQ(CentreOn({0, 0, 203, 100}, {100, 200, 200, 300}), (Rect{49, 200, 252, 300}));
    const Rect area{0, 0, 1024, 738};
    EXPECT_EQ(CentreOn({0, 0, 300, 200}, {400, 300, 545, 419}, area), (Rect{323, 260, 623, 460}));
    EXPECT_EQ(CentreOn({0, 0, 300, 200}, {-300, 700, -200, 730}, area), (Rect{0, 538, 300, 738}));
    EXPECT_EQ(CentreOn({0, 0, 300, 200}, {900, -90, 1000, -60}, area), (Rect{724, 0, 1024, 200}));
    // Too big for the area: the right and bottom edges win, as they are pulled in last.
    EXPECT_EQ(CentreOn({0, 0, 400, 300}, {0, 0, 300, 200}, Rect{0, 0, 300, 200}),
              (Rect{-100, -100, 300, 200}));
}

}  // namespace
}  // namespace wyndrel
