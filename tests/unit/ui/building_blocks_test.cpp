// The portable building blocks of the program's windows: scaling, hint texts, menu models,
// a window's command table, and the timer fake that presenter tests drive.
#include "fakes/fake_timer.h"
#include "fakes/fake_user_interface.h"
#include "fakes/fake_view.h"
#include "platform/silent_abort.h"
#include "ui/command_table.h"
#include "ui/form.h"
#include "ui/hint_text.h"
#include "ui/menu_model.h"
#include "ui/scaling.h"

#include <gtest/gtest.h>

namespace wyndrel::ui {
namespace {

TEST(Scaling, IsExactAt96AndKeepsSharedEdgesSharedAtAnyDpi) {
    EXPECT_EQ(ScaleToDpi(Bounds(72, 24, 73, 25), 96), Bounds(72, 24, 73, 25));
    EXPECT_EQ(ScaleToDpi(Bounds(72, 24, 73, 25), 144), (Rect{108, 36, 218, 74}));
    EXPECT_EQ(ScaleToDpi(-12, 144), -18);
    EXPECT_EQ(ScaleToDpi(1, 144), 2);  // 1.5 rounds away from zero
    EXPECT_EQ(ScaleToDpi(-1, 144), -2);
    // Neighbours overlapping by one pixel in the table still touch or overlap at 120 DPI.
    const Rect left = ScaleToDpi(Bounds(0, 0, 73, 25), 120),
               right = ScaleToDpi(Bounds(72, 0, 73, 25), 120);
    EXPECT_GE(left.Right, right.Left);
}

TEST(HintText, BreaksLinesAtSingleCarriageReturnsOnly) {
    EXPECT_EQ(TooltipText("現在ファイルを開いているQuillonを\rリストにして表示します。"),
              "現在ファイルを開いているQuillonを\r\nリストにして表示します。");
    EXPECT_EQ(TooltipText("a\r\nb\nc\r"), "a\r\nb\nc\r\n");
    EXPECT_EQ(TooltipText(""), "");
}

TEST(MenuModel, FindsEntriesThroughSubmenusByIdAndNameAndRefusesMissingOnes) {
    TMenuModel menu(
        {TMenuItem::Submenu(10, "pmVTop", "表示モード(&M)",
                            {TMenuItem::Command(11, "pmVNorm", "通常化(&N)"), TMenuItem::Line("N1"),
                             TMenuItem::Command(12, "pmVMostTop", "最前面(&T)", 7)}),
         TMenuItem::Line("N5"), TMenuItem::Command(20, "pmQuit", "終了(&X)")});
    menu.Item("pmVMostTop").Checked = true;
    EXPECT_TRUE(menu.Find(12)->Checked);
    EXPECT_EQ(menu.Find(12)->Tag, 7);
    EXPECT_EQ(menu.Find("N1"), &menu.Items[0].Items[1]);
    EXPECT_EQ(menu.Find(0), nullptr);  // separators have no id to be found by
    EXPECT_EQ(menu.Find(""), nullptr);
    EXPECT_THROW(menu.Item(99), std::out_of_range);
    EXPECT_THROW(menu.Item("pmNone"), std::out_of_range);
}

// Commands 1 to 9 run at once, 10 to 19 wait their turn, 20 and up are not available while
// another runs; 100 has no rule.
std::optional<TWhileBusy> TestRule(int id) {
    if (id >= 100) return std::nullopt;
    if (id < 10) return TWhileBusy::RunsAtOnce;
    return id < 20 ? TWhileBusy::WaitsItsTurn : TWhileBusy::NotAvailable;
}

TEST(CommandTable, RunsKeepsOrRefusesWhatArrivesWhileACommandRunsAsItsRuleSays) {
    TCommandTable table(&TestRule);
    std::vector<std::string> ran;
    std::vector<TDispatched> inner;
    std::vector<bool> busyChanges;
    table.OnBusyChanged([&] { busyChanges.push_back(table.Busy()); });
    table.Add(1, [&] { ran.push_back("at once"); });
    table.Add(10, [&] { ran.push_back("tick"); });
    table.AddRange(21, 29, [&](int id) { ran.push_back("entry " + std::to_string(id)); });
    // The long command: what arrives during it, as from a pump.
    table.Add(20, [&] {
        ran.push_back("long");
        EXPECT_FALSE(table.Available(25));
        EXPECT_TRUE(table.Available(10) && table.Available(1));
        for (int id : {10, 25, 1, 10, 10, 100}) inner.push_back(table.Dispatch(id));
    });
    EXPECT_EQ(table.Dispatch(20), TDispatched::Ran);
    EXPECT_EQ(inner, (std::vector<TDispatched>{TDispatched::Waiting, TDispatched::NotAvailable,
                                               TDispatched::Ran, TDispatched::Waiting,
                                               TDispatched::Waiting, TDispatched::Unknown}));
    EXPECT_EQ(ran,
              (std::vector<std::string>{"long", "at once", "tick"}));  // three ticks, one after it
    EXPECT_EQ(busyChanges, (std::vector<bool>{true, false}));
    EXPECT_TRUE(table.Available(25));
    EXPECT_EQ(table.Dispatch(27), TDispatched::Ran);
    EXPECT_EQ(ran.back(), "entry 27");

    TMenuModel menu(
        {TMenuItem::Command(21, "a", "a"),
         TMenuItem::Submenu(5, "s", "s",
                            {TMenuItem::Command(10, "t", "t"), TMenuItem::Command(22, "b", "b")})});
    table.Add(30, [&] { table.DisableUnavailable(menu); });
    table.Dispatch(30);
    EXPECT_FALSE(menu.Item(21).Enabled || menu.Item(22).Enabled);
    EXPECT_TRUE(menu.Item(10).Enabled && menu.Item(5).Enabled);

    EXPECT_THROW(table.Add(25, [] {}), std::logic_error);               // already in a range
    EXPECT_THROW(table.Add(100, [] {}), std::logic_error);              // no rule
    EXPECT_THROW(table.AddRange(8, 12, [](int) {}), std::logic_error);  // two rules
}

TEST(CommandTable, WaitingCommandsRunAfterAFailureWhichIsPassedOnOnceAndLaterOnesReported) {
    std::vector<std::string> reported;
    TCommandTable table(&TestRule, [&](std::exception_ptr failure) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& error) {
            reported.push_back(error.what());
        }
    });
    std::vector<std::string> ran;
    table.Add(11, [&] {
        ran.push_back("drop");
        throw std::runtime_error("second");
    });
    table.Add(12, [&] { ran.push_back("close"); });
    table.Add(20, [&] {
        table.Dispatch(11);
        table.Dispatch(12);
        throw ESilentAbort();
    });
    EXPECT_THROW(table.Dispatch(20), ESilentAbort);
    EXPECT_EQ(ran, (std::vector<std::string>{"drop", "close"}));
    EXPECT_EQ(reported, std::vector<std::string>{"second"});
    EXPECT_FALSE(table.Busy());
}

TEST(FakeTimer, MergesTicksThatFallDueTogetherAndRestartsOnANewInterval) {
    int ticks = 0;
    fakes::TFakeTimer timer([&] { ++ticks; });
    timer.AdvanceTime(5000);
    EXPECT_EQ(ticks, 0);  // not started

    timer.Start(1000);
    timer.AdvanceTime(999);
    EXPECT_EQ(ticks, 0);
    timer.AdvanceTime(3500);  // four intervals due: one tick, the next due 5000 after the start
    EXPECT_EQ(ticks, 1);
    timer.AdvanceTime(500);
    EXPECT_EQ(ticks, 1);
    timer.AdvanceTime(1);
    EXPECT_EQ(ticks, 2);

    timer.AdvanceTime(900);
    timer.SetInterval(1000);  // counts a full interval from now
    timer.AdvanceTime(900);
    EXPECT_EQ(ticks, 2);
    timer.AdvanceTime(100);
    EXPECT_EQ(ticks, 3);

    timer.Start(0);  // enabled, never ticks
    timer.AdvanceTime(100000);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(ticks, 3);
}

}  // namespace
}  // namespace wyndrel::ui
