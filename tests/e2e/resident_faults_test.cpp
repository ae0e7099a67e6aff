// The resident program under faults from outside: starts that race each other.
#include "app/main_window_ids.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/wyndrel_settings.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

namespace ids = wyndrel::app::ids;

// Two starts arriving together while the resident one is hidden in icon mode: both hand
// over and end, the one resident process stays and its window becomes visible.
TEST(ResidentFaults, TwoRacingSecondStartsLeaveOneVisibleResidentProgram) {
    TWyndrelSettings settings;
    TProcessGuard processes;
    HANDLE resident = processes.StartWyndrel(L"");
    HWND window = WaitForWindowOfProcess(resident, L"TfrmWyndrel", 20000);
    ASSERT_NE(window, nullptr);
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::mpCVIcon, 0), 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(window); }, 10000));

    HANDLE first = processes.StartWyndrel(L"");
    HANDLE second = processes.StartWyndrel(L"");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(WaitForExit(first, 30000), 0);
    EXPECT_EQ(WaitForExit(second, 30000), 0);

    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 10000));
    EXPECT_EQ(TopLevelWindowsOfClass(L"TfrmWyndrel"), std::vector<HWND>{window});
    EXPECT_EQ(::WaitForSingleObject(resident, 0), static_cast<DWORD>(WAIT_TIMEOUT));

    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::btnClose, BN_CLICKED), 0);
    EXPECT_EQ(WaitForExit(resident, 20000), 0);
}

}  // namespace
}  // namespace e2e
