// The user-interface adapter's boxes and dialogs as a user sees them: captions, texts,
// button labels, and the answer the pressed button gives.
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_user_interface.h"
#include "support/desktop_probe.h"

#include <gtest/gtest.h>

#include <future>

namespace e2e {
namespace {

using wyndrel::TBoxAnswer;
using wyndrel::TBoxButtons;
using wyndrel::TDialogType;

TEST(UserInterfaceOnWin32, AsksAConfirmationUnderItsCaptionAndReturnsThePressedButton) {
    auto answer = std::async(std::launch::async, [] {
        wyndrel::win32::TWin32UserInterface ui;
        return ui.ShowMessageDialog(TDialogType::Confirmation, "削除してもよろしいですか？", TBoxButtons::YesNo);
    });
    HWND dialog = WaitForDialog(L"確認");
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(DialogText(dialog).find(L"削除してもよろしいですか？"), std::wstring::npos);
    EXPECT_FALSE(PressDialogButtonById(dialog, IDOK));
    ASSERT_TRUE(PressDialogButtonById(dialog, IDNO));
    ASSERT_EQ(answer.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(answer.get(), TBoxAnswer::No);
}

TEST(UserInterfaceOnWin32, ShowsAPlatformBoxWithItsCaptionAndAnswersYes) {
    auto answer = std::async(std::launch::async, [] {
        wyndrel::win32::TWin32UserInterface ui;
        wyndrel::TMessageBox box;
        box.Text = "この属性をはずしますか？";
        box.Caption = "質問";
        box.Icon = wyndrel::TBoxIcon::Question;
        box.Buttons = TBoxButtons::YesNo;
        box.SystemModal = true;
        box.Foreground = true;
        return ui.ShowMessageBox(box);
    });
    HWND dialog = WaitForDialog(L"質問");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(DialogText(dialog), L"この属性をはずしますか？");
    ASSERT_TRUE(PressDialogButtonById(dialog, IDYES));
    ASSERT_EQ(answer.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(answer.get(), TBoxAnswer::Yes);
}

TEST(UserInterfaceOnWin32, WaitsOnTheMessageQueueForAboutTheTimeAsked) {
    wyndrel::win32::TWin32UserInterface ui;
    DWORD started = ::GetTickCount();
    ui.WaitForMessages(50);
    DWORD elapsed = ::GetTickCount() - started;
    EXPECT_GE(elapsed, 30u);
    EXPECT_LT(elapsed, 1000u);
}

}  // namespace
}  // namespace e2e
