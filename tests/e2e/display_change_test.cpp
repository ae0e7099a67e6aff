// Editors following the displays in the real program: the screen made smaller strands an
// editor, which comes onto the screen, and the screen's size coming back puts it back.
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/resident_program.h"
#include "support/temp_folder.h"
#include "support/wyndrel_settings.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

// The screen at `width` x `height` for the test's time, the size before it afterwards.
class TScreenSize {
public:
    TScreenSize() = default;
    TScreenSize(const TScreenSize&) = delete;
    TScreenSize& operator=(const TScreenSize&) = delete;
    ~TScreenSize() { ::ChangeDisplaySettingsExW(nullptr, nullptr, nullptr, 0, nullptr); }
    static LONG Set(DWORD width, DWORD height) {
        DEVMODEW mode{};
        mode.dmSize = sizeof(mode);
        mode.dmPelsWidth = width;
        mode.dmPelsHeight = height;
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        return ::ChangeDisplaySettingsExW(nullptr, &mode, nullptr, CDS_FULLSCREEN, nullptr);
    }
    static LONG Back() { return ::ChangeDisplaySettingsExW(nullptr, nullptr, nullptr, 0, nullptr); }
};

TEST(DisplayChange, AnEditorLeftOffTheSmallerScreenComesOntoItAndBackWhenTheScreenGrowsAgain) {
    TWyndrelSettings settings;
    TTempFolder folder;
    TProcessGuard processes;
    HWND editor = processes.OpenEditor(folder.File(L"wide.txt"),
                                       TStartOptions{true, 1100, 100, 150, 200, {}, {}});
    ASSERT_NE(editor, nullptr);
    const RECT before = WindowRectangle(editor);
    ASSERT_NE(WaitForMainWindow(processes.StartWyndrel(L"")), nullptr);
    // The minute's capture has the editor under the full-size screen once it is kept.
    const std::wstring lastSession = ProgramFolder() + L"LastSession.qdl";
    ASSERT_TRUE(WaitUntil(
        [&] { return ReadBytes(lastSession).find("wide.txt") != std::string::npos; }, 90000));
    TScreenSize screen;
    ASSERT_EQ(TScreenSize::Set(1024, 768), DISP_CHANGE_SUCCESSFUL);
    EXPECT_TRUE(WaitUntil([&] { return WindowRectangle(editor).right <= 1024; }, 15000))
        << WindowRectangle(editor).left;
    EXPECT_EQ(WindowRectangle(editor).right - WindowRectangle(editor).left, 150);
    ASSERT_EQ(TScreenSize::Back(), DISP_CHANGE_SUCCESSFUL);
    EXPECT_TRUE(WaitUntil(
        [&] {
            const RECT now = WindowRectangle(editor);
            return ::EqualRect(&now, &before) != FALSE;
        },
        15000))
        << WindowRectangle(editor).left;
}

}  // namespace
}  // namespace e2e
