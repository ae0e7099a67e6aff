// The About window's real view with its presenter inside the test process, owned by a window
// of the test: its showing steps run once per showing, not again when the owner comes back
// from minimised and brings the window back with it.
#include "dialogs/ver_info.h"
#include "dialogs/win32/ver_info_window.h"
#include "fakes/fake_system_info.h"
#include "fakes/fake_user_interface.h"
#include "fakes/fake_version_resource.h"
#include "fakes/version_block_builder.h"
#include "support/pump.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

TEST(AboutWindowOnWin32, RunsItsShowingStepsOnceWhenItsOwnerComesBackFromMinimised) {
    HWND owner =
        ::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 200,
                          100, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    wyndrel::fakes::TFakeUserInterface ui;
    wyndrel::fakes::TFakeSystemInfo system;
    wyndrel::fakes::TFakeVersionResource versions;
    const auto resource = wyndrel::fakes::VersionResource(
        wyndrel::fakes::FixedPart(0, 1), {{"041104B0", {{"FileVersion", "1.2.3.4"}}}},
        {{0x411, 1200}});
    versions.Files = {{"C:\\tools\\wyndrel.exe", resource},
                      {system.SystemFolder + "\\COMCTL32.DLL", resource}};
    wyndrel::dialogs::win32::TVerInfoWindow window(ui);
    window.Create(owner, ::LoadIconW(nullptr, IDI_APPLICATION));
    wyndrel::dialogs::TfrmVerInfo form({window.View(), window, ui, window.TimGrad(), versions,
                                        system, "C:\\tools\\wyndrel.exe", [] {}, [] {}});
    window.Attach(form);
    window.Show();
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(window.Handle()) != FALSE; }, 5000));
    EXPECT_EQ(versions.Reads, 2);  // the program's resource and the common controls'

    // Minimising the owner hides its popups and restoring it shows them again, with
    // SW_PARENTCLOSING and SW_PARENTOPENING, as ShowOwnedPopups does; Wine leaves the popups
    // as they are, so they are hidden and shown here the way the system does.
    ::ShowWindow(owner, SW_MINIMIZE);
    ::ShowOwnedPopups(owner, FALSE);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(window.Handle()); }, 5000));
    ::ShowWindow(owner, SW_RESTORE);
    ::ShowOwnedPopups(owner, TRUE);
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(window.Handle()) != FALSE; }, 5000));
    EXPECT_EQ(versions.Reads, 2);
    ::DestroyWindow(window.Handle());
    ::DestroyWindow(owner);
}

}  // namespace
}  // namespace e2e
