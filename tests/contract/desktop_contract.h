// One suite of expectations on the desktop port, run against the fake natively and against
// the Win32 adapter under Wine, so that the fake cannot drift from the platform.
// A World type supplies the port and makes windows on it:
//   IDesktop& Desktop();
//   WindowId AddTopLevel(const std::string& className, const Rect& bounds);
//   WindowId AddChild(WindowId parent, const std::string& className, const std::string& text);
//   WindowId AddEditControl(WindowId parent, const std::string& className, const std::string& text,
//   int caret); void Destroy(WindowId window); void Minimise(WindowId window);
#pragma once

#include "platform/desktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace wyndrel::contract {

template <typename World>
class DesktopContract : public ::testing::Test {
protected:
    World TheWorld;
    IDesktop& Desktop() { return TheWorld.Desktop(); }

    // The enumeration's order restricted to the given windows (other programs have windows too).
    std::vector<WindowId> EnumeratedAmong(const std::vector<WindowId>& ours) {
        std::vector<WindowId> seen;
        EXPECT_TRUE(Desktop().EnumerateTopLevelWindows([&](WindowId window) {
            if (std::find(ours.begin(), ours.end(), window) != ours.end()) seen.push_back(window);
            return true;
        }));
        return seen;
    }
};

TYPED_TEST_SUITE_P(DesktopContract);

TYPED_TEST_P(DesktopContract, EnumeratesTopLevelWindowsNewestFirst) {
    WindowId first = this->TheWorld.AddTopLevel("WyndrelContractA", {10, 10, 200, 100});
    WindowId second = this->TheWorld.AddTopLevel("WyndrelContractB", {20, 20, 220, 120});
    WindowId third = this->TheWorld.AddTopLevel("WyndrelContractA", {30, 30, 240, 140});
    EXPECT_EQ(this->EnumeratedAmong({first, second, third}),
              (std::vector<WindowId>{third, second, first}));
}

TYPED_TEST_P(DesktopContract, AStoppedEnumerationStillSucceeds) {
    this->TheWorld.AddTopLevel("WyndrelContractA", {0, 0, 100, 100});
    int visits = 0;
    EXPECT_TRUE(this->Desktop().EnumerateTopLevelWindows([&](WindowId) { return ++visits < 1; }));
    EXPECT_EQ(visits, 1);
}

// A visitor's own failure, told apart from anything else the enumeration could throw.
struct EVisitFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

TYPED_TEST_P(DesktopContract, AVisitorsExceptionEndsTheEnumerationAndReachesItsCallerAsItWas) {
    this->TheWorld.AddTopLevel("WyndrelContractA", {0, 0, 100, 100});
    this->TheWorld.AddTopLevel("WyndrelContractB", {0, 0, 100, 100});
    int visits = 0;
    try {
        const bool succeeded = this->Desktop().EnumerateTopLevelWindows([&](WindowId) {
            if (++visits == 2) throw EVisitFailed("the second window cannot be read");
            return true;
        });
        ADD_FAILURE() << "the enumeration returned " << succeeded << " instead of throwing";
    } catch (const EVisitFailed& failure) {
        EXPECT_STREQ(failure.what(), "the second window cannot be read");
    }
    EXPECT_EQ(visits, 2);
}

TYPED_TEST_P(DesktopContract, ClassNamesKeepTheirCaseAndAreCutToTheBuffer) {
    WindowId window = this->TheWorld.AddTopLevel("TQuillonMainForm", {0, 0, 100, 100});
    EXPECT_EQ(this->Desktop().ClassName(window, 256), "TQuillonMainForm");
    EXPECT_EQ(this->Desktop().ClassName(window, 6), "TQuil");
}

TYPED_TEST_P(DesktopContract, FindsTheFirstChildOfAClassWhateverItsLetterCase) {
    WindowId parent = this->TheWorld.AddTopLevel("WyndrelContractA", {0, 0, 300, 200});
    WindowId path = this->TheWorld.AddChild(parent, "TEdit", "C:\\first.txt");
    this->TheWorld.AddChild(parent, "TEdit", "C:\\second.txt");
    EXPECT_EQ(this->Desktop().FindChild(parent, "TEdit"), path);
    EXPECT_EQ(this->Desktop().FindChild(parent, "tedit"), path);
    EXPECT_FALSE(this->Desktop().FindChild(parent, "TEditor"));
}

TYPED_TEST_P(DesktopContract, WindowTextHoldsAtMostOneCharacterLessThanTheLimit) {
    WindowId parent = this->TheWorld.AddTopLevel("WyndrelContractA", {0, 0, 300, 200});
    WindowId path = this->TheWorld.AddChild(parent, "TEdit", "C:\\資料\\議事録.txt");
    EXPECT_EQ(this->Desktop().WindowText(path, 255), "C:\\資料\\議事録.txt");
    EXPECT_EQ(this->Desktop().WindowText(path, 7), "C:\\資料\\");
    EXPECT_EQ(this->Desktop().WindowText(path, 1), "");
}

TYPED_TEST_P(DesktopContract, ReadsTheCaretOfAnEditControl) {
    WindowId parent = this->TheWorld.AddTopLevel("WyndrelContractA", {0, 0, 300, 200});
    WindowId editor = this->TheWorld.AddEditControl(parent, "TEditor", "line one\r\nline two", 12);
    EXPECT_EQ(this->Desktop().SelectionStart(editor), 12);
}

TYPED_TEST_P(DesktopContract, ReportsRectanglesAndNothingForAWindowThatIsGone) {
    WindowId window = this->TheWorld.AddTopLevel("WyndrelContractA", {-4, -4, 1028, 764});
    EXPECT_EQ(this->Desktop().WindowRect(window), (Rect{-4, -4, 1028, 764}));
    this->TheWorld.Destroy(window);
    EXPECT_EQ(this->Desktop().WindowRect(window), std::nullopt);
    EXPECT_EQ(this->Desktop().ClassName(window, 256), std::nullopt);
    EXPECT_EQ(this->EnumeratedAmong({window}), std::vector<WindowId>{});
}

TYPED_TEST_P(DesktopContract, PlacesAWindowByPositionAndSize) {
    WindowId window = this->TheWorld.AddTopLevel("WyndrelContractA", {0, 0, 300, 200});
    ASSERT_TRUE(this->Desktop().SetWindowPos(window, TInsertAfter::NotTopMost, 40, 60, 320, 240,
                                             TPlacementFlags::ShowWindow));
    EXPECT_EQ(this->Desktop().WindowRect(window), (Rect{40, 60, 360, 300}));
    ASSERT_TRUE(this->Desktop().SetWindowPos(window, TInsertAfter::Top, 0, 0, 0, 0,
                                             TPlacementFlags::NoMove | TPlacementFlags::NoSize |
                                                 TPlacementFlags::NoZOrder |
                                                 TPlacementFlags::ShowWindow));
    EXPECT_EQ(this->Desktop().WindowRect(window), (Rect{40, 60, 360, 300}));
    this->TheWorld.Destroy(window);
    EXPECT_FALSE(
        this->Desktop().SetWindowPos(window, TInsertAfter::Top, 1, 1, 1, 1, TPlacementFlags::None));
}

TYPED_TEST_P(DesktopContract, RestoresAMinimisedWindow) {
    WindowId window = this->TheWorld.AddTopLevel("WyndrelContractA", {10, 10, 300, 200});
    ASSERT_TRUE(this->Desktop().SetWindowPos(window, TInsertAfter::Top, 10, 10, 290, 190,
                                             TPlacementFlags::ShowWindow));
    EXPECT_FALSE(this->Desktop().IsIconic(window));
    EXPECT_FALSE(this->Desktop().IsZoomed(window));
    this->TheWorld.Minimise(window);
    EXPECT_TRUE(this->Desktop().IsIconic(window));
    this->Desktop().Restore(window);
    EXPECT_FALSE(this->Desktop().IsIconic(window));
}

TYPED_TEST_P(DesktopContract, KeepsTheRectangleAMinimisedWindowComesBackTo) {
    WindowId window = this->TheWorld.AddTopLevel("WyndrelContractA", {100, 120, 500, 420});
    ASSERT_TRUE(this->Desktop().SetWindowPos(window, TInsertAfter::Top, 100, 120, 400, 300,
                                             TPlacementFlags::ShowWindow));
    this->TheWorld.Minimise(window);
    EXPECT_EQ(this->Desktop().NormalPosition(window), (Rect{100, 120, 500, 420}));
    EXPECT_NE(this->Desktop().WindowRect(window), (Rect{100, 120, 500, 420}));
    this->TheWorld.Destroy(window);
    EXPECT_EQ(this->Desktop().NormalPosition(window), std::nullopt);
}

TYPED_TEST_P(DesktopContract, MaximisesAWindowOverItsWorkAreaAndRestoresItToItsNormalPosition) {
    WindowId window = this->TheWorld.AddTopLevel("WyndrelContractA", {100, 120, 500, 420});
    ASSERT_TRUE(this->Desktop().SetWindowPos(window, TInsertAfter::Top, 100, 120, 400, 300,
                                             TPlacementFlags::ShowWindow));
    this->Desktop().Maximize(window);
    EXPECT_TRUE(this->Desktop().IsZoomed(window));
    EXPECT_EQ(this->Desktop().NormalPosition(window), (Rect{100, 120, 500, 420}));
    const Rect maximised = this->Desktop().WindowRect(window).value_or(Rect{});
    const Rect work = this->Desktop().Monitors()[0].WorkArea;
    EXPECT_TRUE(maximised.Left <= work.Left && maximised.Top <= work.Top &&
                maximised.Right >= work.Right && maximised.Bottom >= work.Bottom);
    this->Desktop().RestoreWithoutActivating(window);
    EXPECT_FALSE(this->Desktop().IsZoomed(window));
    EXPECT_EQ(this->Desktop().WindowRect(window), (Rect{100, 120, 500, 420}));
}

TYPED_TEST_P(DesktopContract, ListsThePrimaryMonitorFirstWithItsWorkAreaInside) {
    std::vector<TMonitor> monitors = this->Desktop().Monitors();
    ASSERT_FALSE(monitors.empty());
    EXPECT_EQ(monitors[0].Bounds.Left, 0);
    EXPECT_EQ(monitors[0].Bounds.Top, 0);
    for (const TMonitor& monitor : monitors) {
        EXPECT_GT(monitor.WorkArea.Width(), 0);
        EXPECT_GE(monitor.WorkArea.Left, monitor.Bounds.Left);
        EXPECT_GE(monitor.WorkArea.Top, monitor.Bounds.Top);
        EXPECT_LE(monitor.WorkArea.Right, monitor.Bounds.Right);
        EXPECT_LE(monitor.WorkArea.Bottom, monitor.Bounds.Bottom);
    }
}

TYPED_TEST_P(DesktopContract, PutsACaretBeyondTheTextAtItsEnd) {
    WindowId parent = this->TheWorld.AddTopLevel("WyndrelContractA", {0, 0, 300, 200});
    WindowId editor = this->TheWorld.AddEditControl(parent, "TEditor", "twelve chars", 0);
    this->Desktop().SetSelection(editor, 5, 5);
    EXPECT_EQ(this->Desktop().SelectionStart(editor), 5);
    this->Desktop().SetSelection(editor, 500, 500);
    EXPECT_EQ(this->Desktop().SelectionStart(editor), 12);
    this->Desktop().ScrollCaret(editor);
    EXPECT_EQ(this->Desktop().SelectionStart(editor), 12);
}

REGISTER_TYPED_TEST_SUITE_P(DesktopContract, PlacesAWindowByPositionAndSize,
                            RestoresAMinimisedWindow, KeepsTheRectangleAMinimisedWindowComesBackTo,
                            MaximisesAWindowOverItsWorkAreaAndRestoresItToItsNormalPosition,
                            ListsThePrimaryMonitorFirstWithItsWorkAreaInside,
                            PutsACaretBeyondTheTextAtItsEnd, EnumeratesTopLevelWindowsNewestFirst,
                            AStoppedEnumerationStillSucceeds,
                            AVisitorsExceptionEndsTheEnumerationAndReachesItsCallerAsItWas,
                            ClassNamesKeepTheirCaseAndAreCutToTheBuffer,
                            FindsTheFirstChildOfAClassWhateverItsLetterCase,
                            WindowTextHoldsAtMostOneCharacterLessThanTheLimit,
                            ReadsTheCaretOfAnEditControl,
                            ReportsRectanglesAndNothingForAWindowThatIsGone);

}  // namespace wyndrel::contract
