// The tray icon: identifiers, what reaches the notification area, refusals, and the dispatch
// of clicks, on the in-memory notification area.
#include "fakes/fake_desktop.h"
#include "fakes/fake_notify_area.h"
#include "fakes/fake_user_interface.h"
#include "widgets/invalid_operation.h"
#include "widgets/task_tray.h"
#include "widgets/task_tray_registry.h"

#include <gtest/gtest.h>

#include <memory>

namespace wyndrel::widgets {
namespace {

using TKind = fakes::TNotifyCall::TKind;
constexpr TIconHandle ProgramIcon{0x1234};

std::string RaisedText(const std::function<void()>& action) {
    try {
        action();
    } catch (const EInvalidOperation& error) {
        return error.what();
    }
    return "";
}

struct TrayWorld : ::testing::Test {
    fakes::TFakeNotifyArea Area;
    TTaskTrayRegistry Registry{Area};
};

TEST_F(TrayWorld, IdentifiersFollowTheLastEntryAndRefuseZeroAndDuplicates) {
    auto first = std::make_unique<TTaskTray>(Registry);
    TTaskTray second(Registry);
    EXPECT_EQ(first->IconID(), 1);
    EXPECT_EQ(second.IconID(), 2);
    first->SetIconID(10);
    EXPECT_EQ(TTaskTray(Registry).IconID(), 3);  // the last entry is 2, not the highest 10

    EXPECT_EQ(RaisedText([&] { second.SetIconID(0); }), "0以下は指定できません");
    EXPECT_EQ(RaisedText([&] { second.SetIconID(10); }), "同じアイコン識別子が有ります");
    EXPECT_EQ(second.IconID(), 2);
    first.reset();  // frees 10 for reuse
    second.SetIconID(10);
    EXPECT_EQ(second.IconID(), 10);
    EXPECT_EQ(TTaskTray(Registry).IconID(), 11);
}

TEST_F(TrayWorld, ShowsTheIconOnlyWhileRegisteredAndKeepsItCurrent) {
    TTaskTray tray(Registry);
    EXPECT_EQ(RaisedText([&] { tray.SetRegistered(true); }), "アイコンが指定されていません");
    EXPECT_FALSE(tray.Registered());
    tray.SetIcon(ProgramIcon);
    tray.SetTipString("Quillonデスクトップレイアウトキーパー");
    EXPECT_TRUE(Area.Calls().empty());

    tray.SetRegistered(true);
    ASSERT_EQ(Area.Icons().count(1), 1u);
    const TNotifyIconData& shown = Area.Icons().at(1);
    EXPECT_EQ(shown.Flags, 7u);
    EXPECT_EQ(shown.CallbackMessage, 1126u);
    EXPECT_EQ(shown.Icon, ProgramIcon);
    EXPECT_EQ(shown.Tip, "Quillonデスクトップレイアウトキーパー");
    tray.SetTipString("");
    EXPECT_EQ(Area.Calls().back().Kind, TKind::Modify);
    EXPECT_EQ(Area.Icons().at(1).Flags, 3u);

    Area.ClearCalls();
    tray.SetIconID(4);  // leaves under the old identifier, comes back under the new one
    ASSERT_EQ(Area.Calls().size(), 2u);
    EXPECT_EQ(Area.Calls()[0].Kind, TKind::Delete);
    EXPECT_EQ(Area.Calls()[0].Icon.IconId, 1);
    EXPECT_EQ(Area.Calls()[1].Kind, TKind::Add);
    EXPECT_TRUE(tray.Registered());

    tray.SetIcon({});
    EXPECT_TRUE(Area.Icons().empty());
    EXPECT_FALSE(tray.Registered());
    tray.SetIcon(ProgramIcon);
    tray.SetRegistered(true);
    { TTaskTray other(Registry); }
    EXPECT_EQ(Area.Icons().size(), 1u);
}

TEST_F(TrayWorld, ARefusedAddKeepsRegisteredAndIsTriedAgainAtTheNextChange) {
    auto tray = std::make_unique<TTaskTray>(Registry);
    tray->SetIcon(ProgramIcon);
    Area.Refuse(true);
    EXPECT_EQ(RaisedText([&] { tray->SetRegistered(true); }), "タスクトレイに登録できません");
    EXPECT_TRUE(tray->Registered());
    EXPECT_FALSE(tray->Added());

    Area.Refuse(false);
    tray->SetTipString("tip");
    EXPECT_EQ(Area.Calls().back().Kind, TKind::Add);
    EXPECT_TRUE(tray->Added());
    tray.reset();
    EXPECT_EQ(Area.Calls().back().Kind, TKind::Delete);
    EXPECT_TRUE(Area.Icons().empty());
}

TEST_F(TrayWorld, ARecreatedTrayGetsEveryRegisteredIconBackAndOnlyThose) {
    TTaskTray shown(Registry), hidden(Registry);
    shown.SetIcon(ProgramIcon);
    hidden.SetIcon(ProgramIcon);
    shown.SetRegistered(true);
    Area.Recreate();
    EXPECT_EQ(Area.Icons().size(), 1u);
    EXPECT_EQ(Area.Icons().count(shown.IconID()), 1u);
    EXPECT_TRUE(shown.Added());

    // The message without a real re-creation: the icon is still there and only changes.
    Area.ClearCalls();
    Registry.NotifyAreaRecreated();
    EXPECT_EQ(Area.Calls().back().Kind, TKind::Modify);
    EXPECT_TRUE(Area.Calls().back().Result);
}

TEST_F(TrayWorld, DispatchesClicksBringingTheOwnerForwardFirstAndOneAtATime) {
    fakes::TFakeDesktop desktop;
    fakes::TFakeUserInterface ui;
    WindowId form = desktop.AddTopLevel("TfrmWyndrel");
    TTaskTray tray(Registry, TTrayOwner{&desktop, &ui, form});
    std::vector<std::string> log;
    auto note = [&](std::string what, int x, int y) {
        log.push_back(what + " " + std::to_string(x) + "," + std::to_string(y));
    };
    tray.OnMouseDown = [&](TTaskTray&, TMouseButton b, TShiftState s, int x, int y) {
        note("down" + std::to_string(static_cast<int>(b)) + "/" + std::to_string(s) +
                 (desktop.Foreground() == form && ui.PumpCount() == 1 ? " forward" : ""),
             x, y);
        Area.Click(1, TrayRButtonDown, {0, 0});  // a callback while one is handled is dropped
        ui.ProcessMessages();
    };
    tray.OnMouseUp = [&](TTaskTray&, TMouseButton b, TShiftState s, int x, int y) {
        note("up" + std::to_string(static_cast<int>(b)) + "/" + std::to_string(s), x, y);
    };
    tray.OnMouseMove = [&](TTaskTray&, TShiftState s, int x, int y) {
        note("move/" + std::to_string(s), x, y);
    };
    tray.OnDblClick = [&](TTaskTray&, TMouseButton b) {
        note("dbl" + std::to_string(static_cast<int>(b)), 0, 0);
    };
    tray.SetPopupMenuR([&](Point at) { note("menuR", at.X, at.Y); });

    Area.Click(1, TrayRButtonDown, {40, 50});
    Area.Click(1, TrayMouseMove, {41, 51});
    Area.Click(1, TrayMButtonUp, {1, 2});
    Area.Click(1, TrayLButtonDblClk, {0, 0});
    Area.Click(1, 0x209, {0, 0});            // middle double click: nothing
    Area.Click(7, TrayLButtonDown, {0, 0});  // no icon of that identifier
    EXPECT_EQ(log, (std::vector<std::string>{"down1/16 forward 40,50", "menuR 40,50",
                                             "move/0 41,51", "up2/32 1,2", "dbl0 0,0"}));

    // A handler that raises still frees the dispatch for the next click.
    tray.OnDblClick = [](TTaskTray&, TMouseButton) { throw EInvalidOperation("boom"); };
    EXPECT_THROW(Area.Click(1, TrayLButtonDblClk, {0, 0}), EInvalidOperation);
    log.clear();
    Area.Click(1, TrayLButtonUp, {5, 6});
    EXPECT_EQ(log, (std::vector<std::string>{"up0/8 5,6"}));
}

}  // namespace
}  // namespace wyndrel::widgets
