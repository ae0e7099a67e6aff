// The portable building blocks of the program's windows: scaling, hint texts, menu models,
// the busy gate of presenters, and the timer fake that presenter tests drive.
#include "fakes/fake_timer.h"
#include "fakes/fake_user_interface.h"
#include "fakes/fake_view.h"
#include "platform/silent_abort.h"
#include "ui/command_gate.h"
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
    const Rect left = ScaleToDpi(Bounds(0, 0, 73, 25), 120), right = ScaleToDpi(Bounds(72, 0, 73, 25), 120);
    EXPECT_GE(left.Right, right.Left);
}

TEST(HintText, BreaksLinesAtSingleCarriageReturnsOnly) {
    EXPECT_EQ(TooltipText("現在ファイルを開いているQuillonを\rリストにして表示します。"),
              "現在ファイルを開いているQuillonを\r\nリストにして表示します。");
    EXPECT_EQ(TooltipText("a\r\nb\nc\r"), "a\r\nb\nc\r\n");
    EXPECT_EQ(TooltipText(""), "");
}

TEST(MenuModel, FindsEntriesThroughSubmenusByIdAndNameAndRefusesMissingOnes) {
    TMenuModel menu({TMenuItem::Submenu(10, "pmVTop", "表示モード(&M)",
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

// A presenter with one long command that handles pending messages, as a restore does.
class TGatedPresenter {
public:
    TGatedPresenter(IView& view, IUserInterface& ui) : FView(view), FUi(ui) {}
    TGateResult OnCommand(int id, TWhenBusy whenBusy = TWhenBusy::Drop) {
        return FGate.Run([this, id] { Execute(id); }, whenBusy);
    }
    std::vector<int> Started;
    bool FailNext = false;

private:
    void Execute(int id) {
        Started.push_back(id);
        FView.SetText(FormId, "実行中 " + std::to_string(id));
        FUi.ProcessMessages();
        if (FailNext) throw ESilentAbort();
        FView.SetText(FormId, "Wyndrel");
    }
    IView& FView;
    IUserInterface& FUi;
    TCommandGate FGate;
};

TEST(CommandGate, DropsOrQueuesACommandThatArrivesFromAPumpWhileOneRuns) {
    TFormSpec form;
    form.Caption = "Wyndrel";
    fakes::TFakeView view(form);
    fakes::TFakeUserInterface ui;
    TGatedPresenter presenter(view, ui);
    std::vector<TGateResult> inner;
    TWhenBusy whenBusy = TWhenBusy::Drop;
    ui.OnPump([&](std::uint32_t) {
        if (presenter.Started.size() < 4) inner.push_back(presenter.OnCommand(2, whenBusy));
    });

    EXPECT_EQ(presenter.OnCommand(1), TGateResult::Ran);
    EXPECT_EQ(inner, std::vector<TGateResult>{TGateResult::Dropped});
    EXPECT_EQ(presenter.Started, std::vector<int>{1});
    EXPECT_EQ(view.Text(FormId), "Wyndrel");

    // Queued: each request runs after the one before; their own pumps queue more until the
    // test stops asking.
    whenBusy = TWhenBusy::Queue;
    inner.clear();
    presenter.Started.clear();
    EXPECT_EQ(presenter.OnCommand(1), TGateResult::Ran);
    EXPECT_EQ(presenter.Started, (std::vector<int>{1, 2, 2, 2}));
    EXPECT_EQ(inner, (std::vector<TGateResult>{TGateResult::Queued, TGateResult::Queued, TGateResult::Queued}));
}

TEST(CommandGate, OpensAgainAndForgetsQueuedCommandsWhenTheRunningOneFails) {
    fakes::TFakeView view(TFormSpec{});
    fakes::TFakeUserInterface ui;
    TGatedPresenter presenter(view, ui);
    ui.OnPump([&](std::uint32_t) { presenter.OnCommand(2, TWhenBusy::Queue); });
    presenter.FailNext = true;
    EXPECT_THROW(presenter.OnCommand(1), ESilentAbort);
    EXPECT_EQ(presenter.Started, std::vector<int>{1});

    presenter.FailNext = false;
    ui.OnPump({});
    EXPECT_EQ(presenter.OnCommand(3), TGateResult::Ran);
    EXPECT_EQ(presenter.Started, (std::vector<int>{1, 3}));
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
