// The resident program at the end of the user's session, as the system ends it: asked first,
// then told, and ended soon after the answer; what a quit keeps is kept before it answers.
#include "app/main_window_ids.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/resident_program.h"
#include "support/temp_folder.h"
#include "support/wyndrel_settings.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

namespace ids = wyndrel::app::ids;

TEST(SessionEnd, TheProgramLetsTheSessionEndAndKeepsItsStateAndDropsTheSnapshotBeforeItAnswers) {
    TProcessGuard processes;
    TWyndrelSettings settings(
        "StartWindowPosType=2\r\nUserLeft=140\r\nUserTop=90\r\n[AutoSave]\r\nAtAppStart=2\r\n");
    const std::wstring snapshot = ProgramFolder() + L"VOREZUVA.KTDK";
    WriteBytes(snapshot, "[QuillonLayoutFile]\r\n");
    HANDLE resident = processes.StartWyndrel(L"");
    HWND window = WaitForMainWindow(resident);
    ASSERT_NE(window, nullptr);
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::mpCVHorz, 0), 0);
    ASSERT_TRUE(WaitUntil(
        [&] {  // the horizontal shape is one row of buttons
            RECT client{};
            return ::GetClientRect(window, &client) && client.bottom < 60;
        },
        10000));

    DWORD_PTR answer = 0;
    ASSERT_TRUE(::SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                      SMTO_ABORTIFHUNG, 5000, &answer));
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    ASSERT_TRUE(::SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                      SMTO_ABORTIFHUNG, 5000, &answer));
    EXPECT_EQ(StoredSetting(L"Option", L"Left"), L"140");
    EXPECT_EQ(StoredSetting(L"Option", L"Top"), L"90");
    EXPECT_EQ(StoredSetting(L"Option", L"LastWindowMode"), L"1");
    EXPECT_EQ(StoredSetting(L"AutoSave", L"LastEnable"), L"True");
    EXPECT_EQ(::GetFileAttributesW(snapshot.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(WaitForExit(resident, 20000), 0);
}

}  // namespace
}  // namespace e2e
