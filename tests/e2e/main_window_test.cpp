// The resident program end to end: its window's shapes read through Win32, most-top from
// the window menu's command, icon mode, a second start that hands over, and quitting.
#include "app/main_window_ids.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/wyndrel_settings.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

namespace ids = wyndrel::app::ids;

SIZE ClientSize(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return {client.right, client.bottom};
}

bool HasClientSize(HWND window, LONG width, LONG height) {
    SIZE size = ClientSize(window);
    return size.cx == width && size.cy == height;
}

// A button's rectangle in its parent's client pixels.
RECT ButtonRect(HWND window, int id) {
    RECT rect = WindowRectangle(::GetDlgItem(window, id));
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The window is arranged from another process: wait until the button has its place too.
bool HasButtonRect(HWND window, int id, RECT expected) {
    return WaitUntil(
        [&] {
            RECT actual = ButtonRect(window, id);
            return ::EqualRect(&expected, &actual) != FALSE;
        },
        10000);
}

bool IsTopMost(HWND window) { return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

int SettingOf(const wchar_t* section, const wchar_t* key) {
    return static_cast<int>(::GetPrivateProfileIntW(section, key, -999, TWyndrelSettings::Path().c_str()));
}

TEST(ResidentJourney, ShapesMostTopIconModeHandOverAndQuit) {
    TWyndrelSettings settings;
    TProcessGuard processes;
    HANDLE resident = processes.StartWyndrel(L"");
    HWND window = WaitForWindowOfProcess(resident, L"TfrmWyndrel", 20000);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(window) && IsTopMost(window); }, 10000));
    EXPECT_TRUE(HasClientSize(window, 144, 96));
    EXPECT_TRUE(HasButtonRect(window, ids::btnSaveEnd, {72, 72, 145, 97}));
    EXPECT_EQ(WindowText(window), L"Wyndrel");

    ::PostMessageW(window, WM_SYSCOMMAND, ids::WindowMenuMostTop, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsTopMost(window); }, 10000));

    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::btnChangeView, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntil([&] { return HasClientSize(window, 204, 40); }, 10000));
    EXPECT_TRUE(HasButtonRect(window, ids::btnReadEnd, {144, 0, 205, 21}));
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::btnChangeView, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntil([&] { return HasClientSize(window, 56, 181); }, 10000));
    EXPECT_EQ(::GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_TRUE(HasButtonRect(window, ids::btnRead, {3, 18, 54, 39}));
    EXPECT_TRUE(HasButtonRect(window, ids::btnSaveEnd, {3, 158, 54, 179}));

    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::mpCVIcon, 0), 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(window); }, 10000));
    EXPECT_EQ(processes.RunWyndrel(L"", 20000), 0);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(window); }, 10000));
    EXPECT_EQ(TopLevelWindowsOfClass(L"TfrmWyndrel").size(), 1u);
    EXPECT_TRUE(HasClientSize(window, 56, 181));

    RECT outer = WindowRectangle(window);
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::btnClose, BN_CLICKED), 0);
    EXPECT_EQ(WaitForExit(resident, 20000), 0);
    EXPECT_EQ(SettingOf(L"Option", L"Left"), outer.left);
    EXPECT_EQ(SettingOf(L"Option", L"Top"), outer.top);
    EXPECT_EQ(SettingOf(L"Option", L"LastWindowMode"), 2);
    EXPECT_EQ(SettingOf(L"AutoSave", L"LastEnable"), 0);  // "False" reads as 0
}

}  // namespace
}  // namespace e2e
