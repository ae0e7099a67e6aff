// The editor double's readiness knobs behave.
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

TEST(EditorDoubleKnobs, AWindowDelayShowsTheWindowOnlyAfterTheEditorIsReadyForInput) {
    TTempFolder folder;
    TProcessGuard processes;
    std::wstring path = folder.File(L"late.txt");
    TStartOptions late;
    late.Environment = {{L"QUILLON_DOUBLE_WINDOW_DELAY_MS", L"1500"}};
    HANDLE editor = processes.StartEditor(L"\"" + path + L"\"", late);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(::WaitForInputIdle(editor, 10000), 0u);
    EXPECT_EQ(WaitForEditorShowing(path, 200), nullptr);
    EXPECT_NE(WaitForEditorShowing(path, 10000), nullptr);
}

TEST(EditorDoubleKnobs, AnIdleDelayKeepsWaitForInputIdleWaitingThatLong) {
    TProcessGuard processes;
    TStartOptions slow;
    slow.Environment = {{L"QUILLON_DOUBLE_IDLE_DELAY_MS", L"2000"}};
    HANDLE editor = processes.StartEditor(L"", slow);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(::WaitForInputIdle(editor, 500), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(::WaitForInputIdle(editor, 10000), 0u);
    EXPECT_NE(WaitForWindowOfProcess(editor, L"TQuillonMainForm", 5000), nullptr);
}

TEST(EditorDoubleKnobs, AnEditorThatNeverBecomesReadyKeepsWaitForInputIdleWaiting) {
    TProcessGuard processes;
    TStartOptions busy;
    busy.Environment = {{L"QUILLON_DOUBLE_IDLE_DELAY_MS", L"never"}};
    HANDLE editor = processes.StartEditor(L"", busy);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(::WaitForInputIdle(editor, 1000), static_cast<DWORD>(WAIT_TIMEOUT));
}

}  // namespace
}  // namespace e2e
