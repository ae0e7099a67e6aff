// The options dialog in the resident program: an OK without edits stores every key back as
// it was, a start-up position chosen on the start-up sheet holds at the next start, and
// favourites added and saved on their sheet are the tray's favourites menu at once.
#include "app/main_window_ids.h"
#include "dialogs/option_ids.h"
#include "dialogs/option_sheet_ids.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/remote_controls.h"
#include "support/resident_program.h"
#include "support/temp_folder.h"
#include "support/tray_icon.h"
#include "support/wyndrel_settings.h"
#include "text/case_mapping.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace e2e {
namespace {

namespace ids = wyndrel::app::ids;
using namespace wyndrel::dialogs::option_ids;

// Every key the dialog stores, as it stores them; numbers of four and five digits, which the
// arrows write with a separator.
constexpr const char* EveryOptionKey =
    "UseDefFileName=False\r\nIsFileNameDateTime=yyyymmdd\r\nCloseNoExit=False\r\nIsMostTop=True\r\n"
    "RestoreLastSession=1\r\nFollowDisplays=True\r\nLastSheet=0\r\n"
    "UserLeft=1040\r\nUserTop=200\r\nUserWindowMode=1\r\nStartWindowPosType=2\r\nIsIconic=False\r\n"
    "IsGetFocusOnStart=False\r\nIsMinimizedOnStart=False\r\nIsUseDelay=False\r\nDeleyWaitTime="
    "12000\r\n"
    "AddFavMenuOpen=False\r\n[AutoSave]\r\nInterval=1800\r\nAtAppStart=0\r\nLastEnable=False\r\n"
    "ForAllFiles=False\r\nSaveType=False\r\n";

// The user's Run value "Wyndrel", as the shell reads it at logon; "-" when there is none.
std::wstring RunValue() {
    wchar_t value[1024] = {};
    DWORD bytes = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                       L"Wyndrel", RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS)
        return L"-";
    return value;
}

TEST(OptionDialogJourney, TheGeneralSheetsCheckBoxWritesAndRemovesTheRunValueOfThisProgram) {
    TWyndrelSettings settings;
    TProcessGuard processes;
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                         L"Wyndrel");
    HWND window = WaitForMainWindow(processes.StartWyndrel(L""));
    ASSERT_NE(window, nullptr);
    for (const bool on : {true, false}) {
        HWND dialog = OpenOptions(window);
        ASSERT_NE(dialog, nullptr);
        HWND box = ::GetDlgItem(dialog, chkStartWithWindows);
        EXPECT_EQ(::SendMessageW(box, BM_GETCHECK, 0, 0), on ? BST_UNCHECKED : BST_CHECKED);
        ::PostMessageW(box, BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil(
            [&] {
                return ::SendMessageW(box, BM_GETCHECK, 0, 0) == (on ? BST_CHECKED : BST_UNCHECKED);
            },
            10000));
        ASSERT_TRUE(PressOk(dialog));
        EXPECT_EQ(RunValue(), on ? L"\"" + ProgramFolder() + L"wyndrel.exe\"" : L"-");
    }
    ClickButton(window, ids::btnClose);
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
    ASSERT_TRUE(
        WaitUntil([&] { return ::SendMessageW(centre, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 10000));
    EXPECT_EQ(::SendMessageW(::GetDlgItem(dialog, rbPosUser), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_TRUE(::IsWindowEnabled(window));
    EXPECT_EQ(::GetPrivateProfileIntW(L"Option", L"StartWindowPosType", -1,
                                      TWyndrelSettings::Path().c_str()),
              3);

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
    EXPECT_TRUE(WaitUntil(
        [&] {
            const RECT now = WindowRectangle(window);
            return now.left == left && now.top == top;
        },
        10000))
        << WindowRectangle(window).left << "," << WindowRectangle(window).top;
}

// The favourites sheet's add button, and `path` chosen in the file dialog it opens.
bool AddFavoriteThroughFileDialog(HWND dialog, const std::wstring& path) {
    HWND list = ::GetDlgItem(dialog, lbFavorites);
    const LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
    if (!PressDialogButtonById(dialog, btnFav_Add)) return false;
    HWND chooser = WaitForDialog(L"お気に入りに追加するファイルを参照", 20000);
    return chooser && ChooseFileInDialog(chooser, path) &&
           WaitUntil([&] { return ::SendMessageW(list, LB_GETCOUNT, 0, 0) == count + 1; }, 20000);
}

TEST(OptionDialogJourney, FavouritesAddedAndSavedOnTheirSheetAreTheTrayMenuAtOnceInTheirOrder) {
    TTempFolder folder;
    const std::wstring first = folder.File(L"first.txt");
    const std::wstring second = folder.File(L"second notes.txt");
    WriteBytes(first, "one\r\n");
    WriteBytes(second, "two\r\n");
    const std::wstring startLog = folder.File(L"starts.log");
    TWyndrelSettings settings;
    TProcessGuard processes;
    TStartOptions options;
    options.Environment = {{L"QUILLON_DOUBLE_START_LOG", startLog}};
    HANDLE resident = processes.StartWyndrel(L"", options);
    HWND window = WaitForMainWindow(resident);
    ASSERT_NE(window, nullptr);
    HWND notifyWindow = NotifyWindowOf(resident);
    ASSERT_NE(notifyWindow, nullptr);

    HWND dialog = OpenOptions(window);
    ASSERT_NE(dialog, nullptr);
    ::SendMessageW(::GetDlgItem(dialog, PageCtrl), TCM_SETCURFOCUS, SheetFavorites, 0);
    ASSERT_TRUE(WaitUntil(
        [&] { return ::IsWindowVisible(::GetDlgItem(dialog, lbFavorites)) != FALSE; }, 10000));
    ASSERT_TRUE(AddFavoriteThroughFileDialog(dialog, first));
    ASSERT_TRUE(AddFavoriteThroughFileDialog(dialog, second));
    ASSERT_TRUE(PressDialogButtonById(dialog, btnFav_Save));
    const std::wstring ini = TWyndrelSettings::Path();
    ASSERT_TRUE(WaitUntil(
        [&] { return ::GetPrivateProfileIntW(L"Favorites", L"ItemCount", 0, ini.c_str()) == 2; },
        10000));
    ASSERT_TRUE(PressOk(dialog));

    // "お気に入りを追加する(&A)", a separator, then the favourites: the second is three down.
    ASSERT_TRUE(
        PressOnIconAndChoose(notifyWindow, WM_LBUTTONDOWN, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
    std::vector<HWND> editors;
    ASSERT_TRUE(WaitUntil(
        [&] { return !(editors = TopLevelWindowsOfClass(L"TQuillonMainForm")).empty(); }, 20000));
    for (HWND editor : editors) processes.Adopt(editor);
    // The stored spelling of a path is the disk's, so the names are compared without case.
    const std::string started = wyndrel::text::LocaleLower(ReadBytes(startLog));
    EXPECT_EQ(std::count(started.begin(), started.end(), '\n'), 1) << started;
    EXPECT_NE(started.find("\\second notes.txt\""), std::string::npos) << started;
}

}  // namespace
}  // namespace e2e
