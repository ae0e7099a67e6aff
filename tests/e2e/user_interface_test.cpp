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
        return ui.ShowMessageDialog(TDialogType::Confirmation, "削除してもよろしいですか？",
                                    TBoxButtons::YesNo);
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

// A box asked for while a dialog of the program is active is modal to that dialog, not to
// the main window the dialog is modal to.
TEST(UserInterfaceOnWin32, BoxesAreOwnedByTheActiveWindowOfTheProgram) {
    std::promise<HWND> created;
    auto answer = std::async(std::launch::async, [&created] {
        HWND window = ::CreateWindowExW(0, L"STATIC", L"設定", WS_POPUP | WS_VISIBLE, 10, 10, 200,
                                        100, nullptr, nullptr, nullptr, nullptr);
        ::SetActiveWindow(window);
        created.set_value(window);
        wyndrel::win32::TWin32UserInterface ui;
        const TBoxAnswer dialogAnswer =
            ui.ShowMessageDialog(TDialogType::Warning, "すでに登録されています", TBoxButtons::Ok);
        wyndrel::TMessageBox box;
        box.Text = "2 個のファイルが重複していたため";
        box.Caption = "重複";
        box.OwnedByActiveWindow = true;
        const TBoxAnswer boxAnswer = ui.ShowMessageBox(box);
        ::DestroyWindow(window);
        return dialogAnswer == TBoxAnswer::Ok && boxAnswer == TBoxAnswer::Ok;
    });
    HWND window = created.get_future().get();
    for (const wchar_t* caption : {L"警告", L"重複"}) {
        HWND dialog = WaitForDialog(caption);
        ASSERT_NE(dialog, nullptr) << caption;
        EXPECT_EQ(::GetWindow(dialog, GW_OWNER), window);
        ASSERT_TRUE(PressDialogButtonById(dialog, IDOK));
    }
    ASSERT_EQ(answer.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_TRUE(answer.get());
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
