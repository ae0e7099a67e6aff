// The end-to-end helpers themselves: message boxes found, read and answered, processes
// waited for and ended.
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace e2e {
namespace {

// A message box of this process, shown on its own thread as another program would show it.
class TBoxOnThread {
public:
    TBoxOnThread(const wchar_t* text, const wchar_t* caption, UINT flags)
        : FThread([=, this] { FAnswer = ::MessageBoxW(nullptr, text, caption, flags); }) {}
    ~TBoxOnThread() {
        if (FThread.joinable()) FThread.join();
    }
    int Answer() {
        FThread.join();
        return FAnswer;
    }

private:
    std::atomic<int> FAnswer{0};
    std::thread FThread;
};

TEST(MessageBoxHelpers, FindsAMessageBoxByCaptionAndReadsItsText) {
    TBoxOnThread box(L"ファイルが見つかりません。", L"Wyndrel 確認", MB_OK | MB_ICONWARNING);
    HWND dialog = WaitForDialog(L"Wyndrel 確認");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(DialogText(dialog), L"ファイルが見つかりません。");
    ASSERT_TRUE(PressDialogButtonById(dialog, IDOK));
    EXPECT_EQ(box.Answer(), IDOK);
}

TEST(MessageBoxHelpers, PressesAButtonNamedWithoutItsMnemonicMark) {
    TBoxOnThread box(L"続けますか?", L"Question", MB_YESNO);
    HWND dialog = WaitForDialog(L"Question");
    ASSERT_NE(dialog, nullptr);
    wchar_t noText[64] = {};
    ::GetWindowTextW(::GetDlgItem(dialog, IDNO), noText, 64);
    std::wstring withoutMark = noText;
    ASSERT_NE(withoutMark.find(L'&'), std::wstring::npos)
        << "the platform's button has no mnemonic";
    withoutMark.erase(withoutMark.find(L'&'), 1);
    EXPECT_FALSE(PressDialogButton(dialog, L"no such button"));
    ASSERT_TRUE(PressDialogButton(dialog, withoutMark)) << withoutMark;
    EXPECT_EQ(box.Answer(), IDNO);
}

TEST(ProcessHelpers, WaitForExitGivesTheExitCodeOrEndsAProcessThatOutlivesTheTimeOut) {
    TProcessGuard processes;
    HANDLE quick = processes.Start(L"cmd.exe /c exit 7");
    ASSERT_NE(quick, nullptr);
    EXPECT_EQ(WaitForExit(quick, 20000), 7);

    HANDLE editor = processes.StartEditor(L"");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(WaitForExit(editor, 300), -1);
    EXPECT_EQ(::WaitForSingleObject(editor, 0), WAIT_OBJECT_0);
}

TEST(ProcessHelpers, TheGuardEndsAdoptedProcessesToo) {
    TTempFolder folder;
    TProcessGuard starter;
    HWND editor = starter.OpenEditor(folder.File(L"adopted.txt"));
    ASSERT_NE(editor, nullptr);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(editor, &processId);
    wyndrel::win32::TUniqueHandle watched(::OpenProcess(SYNCHRONIZE, FALSE, processId));
    ASSERT_TRUE(watched);
    {
        TProcessGuard adopter;
        adopter.Adopt(editor);
    }
    EXPECT_EQ(::WaitForSingleObject(watched.Get(), 0), static_cast<DWORD>(WAIT_OBJECT_0));
}

}  // namespace
}  // namespace e2e
