// The window base and the timer adapter on real windows inside the test process: the
// exception barrier, a creation that fails, and timer ticks as WM_TIMER.
#include "fakes/fake_user_interface.h"
#include "platform/silent_abort.h"
#include "platform/win32/win32_timer.h"
#include "platform/win32/window_base.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace e2e {
namespace {

using wyndrel::fakes::TFakeUserInterface;
using wyndrel::fakes::TUiEvent;

constexpr const wchar_t* TestClass = L"WyndrelWindowBaseTest";

class TTestWindow : public wyndrel::win32::TWindowBase {
public:
    explicit TTestWindow(TFakeUserInterface& ui, bool failCreate = false)
        : TWindowBase(ui), FFailCreate(failCreate) {
        RegisterWindowClass(TestClass);
    }
    HWND Create() {
        return CreateOwnWindow(TestClass, L"test", WS_OVERLAPPEDWINDOW, 0, 0, 0, 100, 100);
    }
    std::map<UINT_PTR, int> Ticks;

protected:
    bool OnCreate() override {
        if (FFailCreate) throw std::runtime_error("作成できません");
        return true;
    }
    void OnCommand(int id, int, HWND) override {
        if (id == 1) throw wyndrel::ESilentAbort();
        if (id == 2) throw std::runtime_error("予期しないエラー");
    }
    void OnTimer(UINT_PTR id) override { ++Ticks[id]; }

private:
    bool FFailCreate;
};

TEST(WindowBaseOnWin32, ShowsUnexpectedErrorsInTheErrorDialogAndDropsSilentAborts) {
    TFakeUserInterface ui;
    TTestWindow window(ui);
    ASSERT_NE(window.Create(), nullptr);

    ::SendMessageW(window.Handle(), WM_COMMAND, 1, 0);
    EXPECT_TRUE(ui.Messages().empty());

    ::SendMessageW(window.Handle(), WM_COMMAND, 2, 0);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].Kind, TUiEvent::TKind::Dialog);
    EXPECT_EQ(ui.Messages()[0].DialogType, wyndrel::TDialogType::Error);
    EXPECT_EQ(ui.Messages()[0].Text, "予期しないエラー");
    EXPECT_TRUE(::IsWindow(window.Handle()));  // the program goes on
}

TEST(WindowBaseOnWin32, ACreationThatThrowsFailsTheWindowsCreation) {
    TFakeUserInterface ui;
    TTestWindow window(ui, true);
    EXPECT_EQ(window.Create(), nullptr);
    EXPECT_EQ(window.Handle(), nullptr);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].Text, "作成できません");
}

TEST(TimerOnWin32, TicksAsTheWindowsTimerMessageUntilStoppedAndNeverWithoutAnInterval) {
    TFakeUserInterface ui;
    TTestWindow window(ui);
    ASSERT_NE(window.Create(), nullptr);
    wyndrel::win32::TWin32Timer ticking(window.Handle(), 7), idle(window.Handle(), 8);
    wyndrel::win32::TWin32Timer witness(window.Handle(), 9);

    ticking.Start(20);
    idle.Start(0);
    EXPECT_TRUE(idle.Enabled());
    ASSERT_TRUE(PumpUntil([&] { return window.Ticks[7] >= 2; }, 5000));

    ticking.Stop();
    EXPECT_FALSE(ticking.Enabled());
    EXPECT_EQ(ticking.Interval(), 20u);
    const int ticksWhenStopped = window.Ticks[7];
    // A witness that ticks after several of the stopped timer's intervals: by then the
    // stopped and the idle timer would have ticked if they were running.
    witness.Start(150);
    ASSERT_TRUE(PumpUntil([&] { return window.Ticks[9] >= 1; }, 5000));
    EXPECT_EQ(window.Ticks[7], ticksWhenStopped);
    EXPECT_EQ(window.Ticks[8], 0);
}

}  // namespace
}  // namespace e2e
