// The About window end to end: opened from the main window's window menu, it shows the
// program's version from its own resource and the system lines in their order; a second
// request brings the same window forward; a closed one opens anew.
#include "app/main_window_ids.h"
#include "dialogs/ver_info_ids.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/wyndrel_settings.h"
#include "wyndrel_version.h"

#include <gtest/gtest.h>

#include <sstream>

namespace e2e {
namespace {

namespace ids = wyndrel::app::ids;
namespace about = wyndrel::dialogs::ver_info_ids;

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(L"\r\n", start);
        lines.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos) return lines;
        start = end + 2;
    }
}

// " 1.2.3 Build:4" for the version text "1.2.3.4" CMake wrote.
std::wstring ExpectedVersionBox() {
    std::wstringstream parts(WYNDREL_VERSION_TEXT L"");
    std::wstring major, minor, release, build;
    std::getline(parts, major, L'.');
    std::getline(parts, minor, L'.');
    std::getline(parts, release, L'.');
    std::getline(parts, build, L'.');
    return L" " + major + L"." + minor + L"." + release + L" Build:" + build;
}

bool IsTopMost(HWND window) { return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// Posts the About command and waits until the main window has handled it: the most-top
// command posted behind it flips the window's topmost state.
void RequestAbout(HWND main) {
    const bool topMost = IsTopMost(main);
    ::PostMessageW(main, WM_SYSCOMMAND, ids::WindowMenuAbout, 0);
    ::PostMessageW(main, WM_SYSCOMMAND, ids::WindowMenuMostTop, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsTopMost(main) != topMost; }, 10000));
}

TEST(AboutJourney, ShowsTheProgramsVersionAndTheSystemLinesAndStaysOne) {
    TWyndrelSettings settings;
    TProcessGuard processes;
    HANDLE resident = processes.StartWyndrel(L"");
    HWND main = WaitForWindowOfProcess(resident, L"TfrmWyndrel", 20000);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }, 10000));

    RequestAbout(main);
    HWND window = WaitForWindowOfProcess(resident, L"TfrmVerInfo", 10000);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), L"バージョン情報 - Wyndrel");
    EXPECT_TRUE(IsTopMost(window));
    HWND sysInfo = ::GetDlgItem(window, about::txtSysInfo);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(sysInfo).find(L"Color Depth") != std::wstring::npos; }, 10000));
    EXPECT_EQ(WindowText(::GetDlgItem(window, about::txtVerInfo)), ExpectedVersionBox());

    const std::vector<std::wstring> prefixes = {
        L"Windows       :", L"Platform Type :Windows NT", L"WindowsVersion:", L"User Name     :",
        L"Owner Name    :", L"Computer Name :", L"物理MemorySize:",  L"物理MemoryUse :",
        L"仮想MemorySize:", L"仮想MemoryUse :", L"PageMemorySize:", L"PageMemoryUse :",
        L"CMCTRL32.DLL  :", L"Screen Size   :", L"Color Depth   :"};
    const std::vector<std::wstring> lines = Lines(WindowText(sysInfo));
    ASSERT_EQ(lines.size(), prefixes.size()) << WindowText(sysInfo);
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].rfind(prefixes[i], 0), 0u) << lines[i];
    for (std::size_t i = 6; i < 12; ++i) EXPECT_TRUE(lines[i].ends_with(L"MB")) << lines[i];
    EXPECT_TRUE(lines[14].ends_with(L"色)")) << lines[14];

    // A second request brings the open window forward instead of opening another.
    ::SetForegroundWindow(main);
    RequestAbout(main);
    EXPECT_EQ(TopLevelWindowsOfClass(L"TfrmVerInfo"), std::vector<HWND>{window});
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }, 10000));

    // Esc closes it; the next request opens a new one.
    ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(window); }, 10000));
    RequestAbout(main);
    EXPECT_NE(WaitForWindowOfProcess(resident, L"TfrmVerInfo", 10000), nullptr);

    ::PostMessageW(main, WM_COMMAND, MAKEWPARAM(ids::btnClose, BN_CLICKED), 0);
    EXPECT_EQ(WaitForExit(resident, 20000), 0);
}

}  // namespace
}  // namespace e2e
