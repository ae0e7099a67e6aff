// The last session through real ends of the program: the system's session end, a kill, and
// the user's quit, each followed by a new start with the editors gone.
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

class LastSessionJourney : public ::testing::Test {
protected:
    void OpenTwo() {
        const RECT places[] = {{60, 70, 560, 430}, {420, 200, 840, 500}};
        for (int i = 0; i < 2; ++i) {
            const std::wstring path = Folder.File(i == 0 ? L"一.txt" : L"two.txt");
            WriteBytes(path, std::string(200, 'x'));
            const RECT& at = places[i];
            HWND editor = Processes.OpenEditor(
                path, TStartOptions{
                          true, at.left, at.top, at.right - at.left, at.bottom - at.top, {}, {}});
            ASSERT_NE(editor, nullptr);
            ::SendMessageW(EditorTextControl(editor), EM_SETSEL, 40 + i, 40 + i);
            Paths[i] = path;
            Places[i] = WindowRectangle(editor);
        }
    }
    void CloseEditors() {
        for (const std::wstring& path : Paths)
            if (HWND editor = WaitForEditorShowing(path, 100)) {
                ::PostMessageW(editor, WM_CLOSE, 0, 0);
                ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(editor); }, 10000));
            }
    }
    HWND Start() {
        Resident = Processes.StartWyndrel(L"");
        return WaitForMainWindow(Resident);
    }
    // The session ends as the system ends it, and the editors go with it.
    void EndSession(HWND window) {
        DWORD_PTR answer = 0;
        ::SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                              5000, &answer);
        ::SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                              5000, &answer);
        ::TerminateProcess(Resident, 0);
        WaitForExit(Resident, 10000);
        CloseEditors();
    }
    void ExpectBothBack() {
        for (int i = 0; i < 2; ++i) {
            HWND editor = WaitForEditorShowing(Paths[i], 20000);
            ASSERT_NE(editor, nullptr) << i;
            Processes.Adopt(editor);
            // The window shows its file before the caret is put back.
            const DWORD caret = static_cast<DWORD>(40 + i);
            EXPECT_TRUE(WaitUntil([&] { return EditorCaret(editor) == caret; }, 10000))
                << EditorCaret(editor);
            const RECT now = WindowRectangle(editor);
            EXPECT_TRUE(::EqualRect(&now, &Places[i])) << i;
        }
    }
    static void Choose(const wchar_t* value) {
        ::WritePrivateProfileStringW(L"Option", L"RestoreLastSession", value,
                                     TWyndrelSettings::Path().c_str());
    }

    TTempFolder Folder;
    TProcessGuard Processes;
    TWyndrelSettings Settings;
    HANDLE Resident = nullptr;
    std::wstring Paths[2];
    RECT Places[2]{};
};

TEST_F(LastSessionJourney,
       AfterTheSessionsEndTheNextStartBringsTheEditorsBackAsTheChoiceSaysButNotAfterAQuit) {
    OpenTwo();
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    EndSession(window);
    window = Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(AnswerDialog(L"確認", IDYES),
              L"前回のセッションで開いていたQuillonのウィンドウ(2個)を復元しますか？");
    ExpectBothBack();

    Choose(L"2");
    EndSession(window);
    window = Start();
    ExpectBothBack();
    EXPECT_EQ(::FindWindowW(nullptr, L"確認"), nullptr);

    Choose(L"0");
    EndSession(window);
    window = Start();
    ::Sleep(3000);  // sleep-ok: time for a question or a start that must not come
    EXPECT_EQ(WaitForEditorShowing(Paths[0], 100), nullptr);
    EXPECT_EQ(::FindWindowW(nullptr, L"確認"), nullptr);

    Choose(L"1");
    ClickButton(window, ids::btnClose);
    EXPECT_EQ(WaitForExit(Resident, 10000), 0);
    window = Start();
    ::Sleep(3000);  // sleep-ok: time for a question that must not come
    EXPECT_EQ(::FindWindowW(nullptr, L"確認"), nullptr);
    ClickButton(window, ids::btnClose);
}

TEST_F(LastSessionJourney, AProgramKilledAMinuteAfterTheEditorsOpenedOffersThemAtItsNextStart) {
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    OpenTwo();
    // The minute's capture has seen both editors once the file lists them.
    const std::wstring kept = ProgramFolder() + L"LastSession.qdl";
    ASSERT_TRUE(WaitUntil(
        [&] {
            const std::string text = ReadBytes(kept);
            return text.find("two.txt") != std::string::npos &&
                   text.find("File=", text.find("File=") + 1) != std::string::npos;
        },
        90000));
    ::TerminateProcess(Resident, 1);
    WaitForExit(Resident, 10000);
    CloseEditors();
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(AnswerDialog(L"確認", IDYES),
              L"前回のセッションで開いていたQuillonのウィンドウ(2個)を復元しますか？");
    ExpectBothBack();
}

}  // namespace
}  // namespace e2e
