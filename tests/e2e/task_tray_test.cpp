// The tray icon in the shell's notification area under Wine: registered, its tip changed,
// a posted click reported, and back again after the shell's re-creation broadcast.
#include "support/pump.h"
#include "support/tray_icon.h"
#include "ui/private_messages.h"
#include "widgets/task_tray.h"
#include "widgets/task_tray_registry.h"
#include "widgets/win32/win32_notify_area.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

using namespace wyndrel::widgets;

TEST(TrayIconOnWin32, RegistersReportsAPostedClickAndComesBackAfterTaskbarCreated) {
    wyndrel::win32::TWin32NotifyArea area;
    TTaskTrayRegistry registry(area);
    TTaskTray tray(registry);
    tray.SetIconID(2);
    tray.SetIcon(
        TIconHandle{reinterpret_cast<std::uintptr_t>(::LoadIconW(nullptr, IDI_APPLICATION))});
    tray.SetTipString("Quillonデスクトップレイアウトキーパー");
    ASSERT_NO_THROW(tray.SetRegistered(true));
    HWND notifyWindow = ::FindWindowW(wyndrel::win32::TWin32NotifyArea::NotifyWindowClass, nullptr);
    ASSERT_NE(notifyWindow, nullptr);
    EXPECT_FALSE(::IsWindowVisible(notifyWindow));
    EXPECT_TRUE(TrayIconShown(notifyWindow, 2));
    EXPECT_NO_THROW(tray.SetTipString(std::string(200, 'x')));  // longer than the field

    TMouseButton clicked = TMouseButton::mbMiddle;
    tray.OnDblClick = [&](TTaskTray&, TMouseButton button) { clicked = button; };
    ::PostMessageW(notifyWindow, wyndrel::ui::TrayCallbackMessage, 2, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(PumpUntil([&] { return clicked == TMouseButton::mbLeft; }, 5000));

    // The shell loses the icon, as when Explorer restarts, and then says it is back.
    NOTIFYICONDATAW gone{};
    gone.cbSize = sizeof(gone);
    gone.hWnd = notifyWindow;
    gone.uID = 2;
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &gone));
    ASSERT_FALSE(TrayIconShown(notifyWindow, 2));
    ::PostMessageW(HWND_BROADCAST, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return TrayIconShown(notifyWindow, 2); }, 5000));

    tray.SetRegistered(false);
    EXPECT_FALSE(TrayIconShown(notifyWindow, 2));
}

}  // namespace
}  // namespace e2e
