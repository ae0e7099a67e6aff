// The options dialog in the resident program: an OK without edits stores every key back as
// it was, and a start-up position chosen on the start-up sheet holds at the next start.
#include "app/main_window_ids.h"
#include "dialogs/option_ids.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "support/wyndrel_settings.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

namespace ids = wyndrel::app::ids;
using namespace wyndrel::dialogs::option_ids;

// Every key the dialog stores, as it stores them; numbers of four and five digits, which the
// arrows write with a separator.
constexpr const char* EveryOptionKey =
    "UseDefFileName=False\r\nIsFileNameDateTime=yyyymmdd\r\nCloseNoExit=False\r\nIsMostTop=True\r\nLastSheet=0\r\n"
    "UserLeft=1040\r\nUserTop=200\r\nUserWindowMode=1\r\nStartWindowPosType=2\r\nIsIconic=False\r\n"
    "IsGetFocusOnStart=False\r\nIsMinimizedOnStart=False\r\nIsUseDelay=False\r\nDeleyWaitTime=12000\r\n"
    "AddFavMenuOpen=False\r\n[AutoSave]\r\nInterval=1800\r\nAtAppStart=0\r\nLastEnable=False\r\n"
    "ForAllFiles=False\r\nSaveType=False\r\n";

HWND OpenOptions(HWND mainWindow) {
    ::PostMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(ids::btnOption, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(mainWindow, ids::btnOption)));
    return WaitForDialog(L"設定", 20000);
}

bool PressOk(HWND dialog) {
    return PressDialogButtonById(dialog, btnOK) && WaitUntil([&] { return !::IsWindow(dialog); }, 10000);
}

HWND WaitForMainWindow(HANDLE process) {
    HWND window = WaitForWindowOfProcess(process, L"TfrmWyndrel", 20000);
    return window && WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 10000) ? window : nullptr;
}

TEST(OptionDialogJourney, OkWithoutEditsKeepsTheSettingsAndTheCentreChosenHoldsAtTheNextStart) {
    TWyndrelSettings settings(EveryOptionKey);
    TProcessGuard processes;
    HANDLE resident = processes.StartWyndrel(L"");
    HWND window = WaitForMainWindow(resident);
    ASSERT_NE(window, nullptr);
    const std::string before = ReadBytes(TWyndrelSettings::Path());

    HWND dialog = OpenOptions(window);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(::IsWindowEnabled(window));
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_EQ(ReadBytes(TWyndrelSettings::Path()), before);

    dialog = OpenOptions(window);
    ASSERT_NE(dialog, nullptr);
    ::SendMessageW(::GetDlgItem(dialog, PageCtrl), TCM_SETCURFOCUS, SheetStartup, 0);
    HWND centre = ::GetDlgItem(dialog, rbPosCenter);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(centre) != FALSE; }, 10000));
    ::PostMessageW(centre, BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return ::SendMessageW(centre, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 10000));
    EXPECT_EQ(::SendMessageW(::GetDlgItem(dialog, rbPosUser), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_TRUE(::IsWindowEnabled(window));
    EXPECT_EQ(::GetPrivateProfileIntW(L"Option", L"StartWindowPosType", -1, TWyndrelSettings::Path().c_str()), 3);

    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::btnClose, BN_CLICKED), 0);
    ASSERT_EQ(WaitForExit(resident, 20000), 0);
    window = WaitForMainWindow(processes.StartWyndrel(L""));
    ASSERT_NE(window, nullptr);
    // Centred as the program centres: the outer width across, the client height down.
    RECT client{};
    ::GetClientRect(window, &client);
    const RECT outer = WindowRectangle(window);
    const LONG left = (::GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2;
    const LONG top = (::GetSystemMetrics(SM_CYSCREEN) - client.bottom) / 2;
    EXPECT_TRUE(WaitUntil([&] {
        const RECT now = WindowRectangle(window);
        return now.left == left && now.top == top;
    }, 10000)) << WindowRectangle(window).left << "," << WindowRectangle(window).top;
}

}  // namespace
}  // namespace e2e
