// The resident program end to end: its window's shapes read through Win32, most-top from
// the window menu's command, icon mode, a second start that hands over, quitting, and the
// shapes again in a start at 144 DPI.
#include "app/main_window_ids.h"
#include "support/desktop_probe.h"
#include "support/log_pixels.h"
#include "support/programs.h"
#include "support/wyndrel_settings.h"

#include <gtest/gtest.h>

#include <vector>

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

// The three shapes at 96 DPI: client size, then each button's left, top, width and height
// from btnRead to btnSaveEnd.
struct TShape {
    SIZE Client;
    RECT Buttons[8];
};
constexpr TShape Normal{{144, 96},
                        {{0, 0, 73, 25},
                         {72, 0, 73, 25},
                         {0, 24, 73, 25},
                         {72, 24, 73, 25},
                         {0, 48, 73, 25},
                         {72, 48, 73, 25},
                         {0, 72, 73, 25},
                         {72, 72, 73, 25}}};
constexpr TShape Horizontal{{204, 40},
                            {{0, 0, 49, 21},
                             {48, 0, 49, 21},
                             {96, 0, 49, 21},
                             {0, 20, 49, 21},
                             {48, 20, 49, 21},
                             {96, 20, 49, 21},
                             {144, 0, 61, 21},
                             {144, 20, 61, 21}}};
constexpr TShape Vertical{{56, 181},
                          {{3, 18, 51, 21},
                           {3, 38, 51, 21},
                           {3, 58, 51, 21},
                           {3, 78, 51, 21},
                           {3, 98, 51, 21},
                           {3, 118, 51, 21},
                           {3, 138, 51, 21},
                           {3, 158, 51, 21}}};

// A 96-DPI value at `dpi`, halves rounded up: each edge is scaled, so overlaps stay.
LONG Scaled(LONG value, int dpi) { return (value * dpi + 48) / 96; }

// The window is arranged from another process: wait for the client size, then check every
// button's edges at `dpi`.
void ExpectShape(HWND window, const TShape& shape, int dpi) {
    ASSERT_TRUE(WaitUntil(
        [&] {
            return HasClientSize(window, Scaled(shape.Client.cx, dpi),
                                 Scaled(shape.Client.cy, dpi));
        },
        10000))
        << ClientSize(window).cx << "x" << ClientSize(window).cy;
    for (int i = 0; i < 8; ++i) {
        const RECT& b = shape.Buttons[i];
        RECT expected{Scaled(b.left, dpi), Scaled(b.top, dpi), Scaled(b.left + b.right, dpi),
                      Scaled(b.top + b.bottom, dpi)};
        EXPECT_TRUE(HasButtonRect(window, ids::btnRead + i, expected))
            << "button " << i << " at " << dpi;
    }
}

void ClickChangeView(HWND window) {
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::btnChangeView, BN_CLICKED), 0);
}

bool IsTopMost(HWND window) {
    return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// The widths of the icons in wyndrel.exe's first icon group, as its resources list them.
std::vector<int> ProgramIconSizes() {
    std::vector<int> sizes;
    HMODULE exe = ::LoadLibraryExW((ProgramFolder() + L"wyndrel.exe").c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = exe ? ::FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14))
                      : nullptr;  // RT_GROUP_ICON
    if (found) {
        // A group is a 6-byte header (its third WORD the count), then 14-byte entries whose
        // first byte is the width.
        const auto* group = static_cast<const BYTE*>(::LockResource(::LoadResource(exe, found)));
        const int count = reinterpret_cast<const WORD*>(group)[2];
        for (int i = 0; i < count; ++i) sizes.push_back(group[6 + 14 * i]);
    }
    if (exe) ::FreeLibrary(exe);
    return sizes;
}

int SettingOf(const wchar_t* section, const wchar_t* key) {
    return static_cast<int>(
        ::GetPrivateProfileIntW(section, key, -999, TWyndrelSettings::Path().c_str()));
}

TEST(ResidentJourney, ShapesMostTopIconModeHandOverAndQuit) {
    TWyndrelSettings settings;
    TProcessGuard processes;
    HANDLE resident = processes.StartWyndrel(L"");
    HWND window = WaitForWindowOfProcess(resident, L"TfrmWyndrel", 20000);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(window) && IsTopMost(window); }, 10000));
    ExpectShape(window, Normal, 96);
    EXPECT_EQ(WindowText(window), L"Wyndrel");
    EXPECT_EQ(ProgramIconSizes(), (std::vector<int>{48, 32, 24, 16}));

    ::PostMessageW(window, WM_SYSCOMMAND, ids::WindowMenuMostTop, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsTopMost(window); }, 10000));

    ClickChangeView(window);
    ExpectShape(window, Horizontal, 96);
    ClickChangeView(window);
    ExpectShape(window, Vertical, 96);
    EXPECT_EQ(::GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_EQ(WindowText(window), L"Wyndrel");  // what its taskbar entry and Alt+Tab show

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

    // Started again on a display at 144 DPI: the shape of the last exit first, every
    // rectangle one and a half times the table's.
    TLogPixels raised(144);
    resident = processes.StartWyndrel(L"");
    window = WaitForWindowOfProcess(resident, L"TfrmWyndrel", 20000);
    ASSERT_NE(window, nullptr);
    ExpectShape(window, Vertical, 144);
    ClickChangeView(window);
    ExpectShape(window, Normal, 144);
    ClickChangeView(window);
    ExpectShape(window, Horizontal, 144);
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::btnClose, BN_CLICKED), 0);
    EXPECT_EQ(WaitForExit(resident, 20000), 0);
}

}  // namespace
}  // namespace e2e
