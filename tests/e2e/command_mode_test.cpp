// wyndrel.exe as a one-shot command against real editor processes: saving and restoring a
// layout, and the boxes and dialogs a user meets on the way.
#include "platform/win32/wide_string.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/resident_program.h"
#include "support/temp_folder.h"
#include "support/wyndrel_settings.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <optional>
#include <vector>

namespace e2e {
namespace {

using wyndrel::win32::Narrow;

class CommandMode : public ::testing::Test {
protected:
    HWND OpenAt(const wchar_t* name, int left, int top, int width, int height, DWORD caret) {
        std::wstring path = Folder.File(name);
        WriteBytes(path, std::string(300, 'a') + "\r\n" + std::string(300, 'b'));
        HWND editor =
            Processes.OpenEditor(path, TStartOptions{true, left, top, width, height, {}, {}});
        if (editor) ::SendMessageW(EditorTextControl(editor), EM_SETSEL, caret, caret);
        return editor;
    }
    // Waits for the box or dialog of `caption`, presses `buttonId` and returns its text.
    std::wstring Answer(const std::wstring& caption, int buttonId) {
        return AnswerDialog(caption, buttonId);
    }

    TTempFolder Folder;
    TProcessGuard Processes;
};

TEST_F(CommandMode, SavesThenRestoresClosedAndMovedEditorsAtTheirRectanglesWithTheirCarets) {
    TWyndrelSettings settings;
    HWND kept = OpenAt(L"残す.txt", 60, 70, 500, 360, 310);
    HWND closed = OpenAt(L"closed café.txt", 300, 200, 420, 300, 12);
    ASSERT_NE(kept, nullptr);
    ASSERT_NE(closed, nullptr);
    RECT keptBounds = WindowRectangle(kept), closedBounds = WindowRectangle(closed);
    std::wstring layout = Folder.File(L"配置.qdl");
    ASSERT_EQ(Processes.RunWyndrel(L"/SAVE \"" + layout + L"\""), 0);
    std::string text = ReadBytes(layout);
    EXPECT_EQ(text.rfind("[QuillonLayoutFile]\r\n", 0), 0u) << text;

    ::PostMessageW(closed, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(closed); }, 10000));
    ::SetWindowPos(kept, nullptr, 5, 5, 200, 150, SWP_NOZORDER);
    ::SendMessageW(EditorTextControl(kept), EM_SETSEL, 0, 0);

    ASSERT_EQ(Processes.RunWyndrel(L"/load \"" + layout + L"\""), 0);
    // "é" has no code in code page 932: the layout names that very file by its short path.
    wchar_t shortPath[MAX_PATH] = {};
    ASSERT_NE(::GetShortPathNameW(Folder.File(L"closed café.txt").c_str(), shortPath, MAX_PATH),
              0u);
    HWND reopened = WaitForEditorShowing(shortPath);
    ASSERT_NE(reopened, nullptr);
    Processes.Adopt(reopened);
    RECT reopenedBounds = WindowRectangle(reopened), keptNow = WindowRectangle(kept);
    EXPECT_TRUE(::EqualRect(&reopenedBounds, &closedBounds));
    EXPECT_TRUE(::EqualRect(&keptNow, &keptBounds));
    EXPECT_EQ(EditorCaret(reopened), 12u);
    EXPECT_EQ(EditorCaret(kept), 310u);
}

TEST_F(CommandMode, RestoresFromABarePathAndFromOpen) {
    TWyndrelSettings settings;
    std::wstring layout = Folder.File(L"bare.qdl");
    std::string file = Narrow(Folder.File(L"doc.txt"));
    WriteBytes(Folder.File(L"doc.txt"), "text");
    WriteBytes(layout, "[QuillonLayoutFile]\r\nFile=" + wyndrel::win32::Utf8ToAnsi(file) +
                           "\r\nCurs=2\r\nRect=100,110,400,300\r\n");
    ASSERT_EQ(Processes.RunWyndrel(L"\"" + layout + L"\""), 0);
    HWND editor = WaitForEditorShowing(Folder.File(L"doc.txt"));
    ASSERT_NE(editor, nullptr);
    Processes.Adopt(editor);
    RECT bounds = WindowRectangle(editor);
    EXPECT_EQ(bounds.left, 100);
    EXPECT_EQ(bounds.bottom - bounds.top, 300);
    EXPECT_EQ(EditorCaret(editor), 2u);
    ::SetWindowPos(editor, nullptr, 0, 0, 50, 50, SWP_NOZORDER);
    ASSERT_EQ(Processes.RunWyndrel(L"/OPEN \"" + layout + L"\""), 0);
    EXPECT_EQ(WindowRectangle(editor).right, 500);
}

TEST_F(CommandMode, ShowsWhyABadLayoutFileCannotBeReadAndStartsNothing) {
    TWyndrelSettings settings;
    std::wstring layout = Folder.File(L"bad.qdl");
    WriteBytes(layout, "[QuillonLayoutFile]\r\nFile=C:\\x.txt\r\nRect=a,b,c,d\r\n");
    HANDLE process = Processes.StartWyndrel(L"/LOAD \"" + layout + L"\"");
    ASSERT_NE(process, nullptr);
    std::wstring text = Answer(L"エラー", IDOK);
    EXPECT_EQ(text.rfind(L"ユーザーエラーが発生しました。", 0), 0u) << Narrow(text);
    EXPECT_NE(text.find(L"LoadLayout-WindowRect取得ポイント"), std::wstring::npos) << Narrow(text);
    EXPECT_EQ(WaitForExit(process, 10000), 1);
    EXPECT_EQ(WaitForEditorShowing(L"C:\\x.txt", 0), nullptr);
}

TEST_F(CommandMode, StartsNoEditorForAnEntryWhosePathHoldsAQuoteAndOpensTheNextEntry) {
    TWyndrelSettings settings;
    const std::wstring bad = Folder.File(L"a.txt\" /evil \"b.txt");
    const std::wstring good = Folder.File(L"good.txt");
    WriteBytes(good, "text");
    const std::wstring layout = Folder.File(L"quote.qdl");
    using wyndrel::win32::Utf8ToAnsi;
    WriteBytes(layout, "[QuillonLayoutFile]\r\nFile=" + Utf8ToAnsi(Narrow(bad)) +
                           "\r\nRect=10,10,300,200\r\nFile=" + Utf8ToAnsi(Narrow(good)) +
                           "\r\nRect=120,130,400,300\r\n");
    const std::wstring startLog = Folder.File(L"starts.log");
    TStartOptions options;
    options.Environment = {{L"QUILLON_DOUBLE_START_LOG", startLog}};
    HANDLE process = Processes.StartWyndrel(L"/LOAD \"" + layout + L"\"", options);
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(Answer(L"エラー", IDOK),
              bad + L"\r\nパスに使えない文字が含まれているため、Quillonを起動しませんでした。");
    HWND opened = WaitForEditorShowing(good);
    ASSERT_NE(opened, nullptr);
    Processes.Adopt(opened);
    EXPECT_EQ(WaitForExit(process, 10000), 0);
    EXPECT_EQ(ReadBytes(startLog),
              Narrow(ProgramFolder() + L"Quillon.exe \"" + good + L"\"") + "\n");
}

TEST_F(CommandMode, RefusesThreeArgumentsAndWarnsAboutAnUnknownSwitch) {
    TWyndrelSettings settings;
    HANDLE process = Processes.StartWyndrel(L"a b c");
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(Answer(L"えら～", IDOK),
              L"そんなに大量のコマンドラインを入力されても困りまする\r\nコマンドラインの説明はREADM"
              L"Eを参照下され。");
    EXPECT_EQ(WaitForExit(process, 10000), 2);

    process = Processes.StartWyndrel(L"/saveall x");
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(Answer(L"警告", IDOK),
              L"無効なコマンドラインです。設定をご確認下さい。\r\nコマンドライン：/saveall");
    EXPECT_EQ(WaitForExit(process, 10000), 2);
}

// Sets values of the user's regional settings for one test and puts the old ones back.
class TRegionalOverride {
public:
    TRegionalOverride(std::initializer_list<std::pair<std::wstring, std::wstring>> values) {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\International", 0, nullptr, 0,
                          KEY_READ | KEY_WRITE, nullptr, &FKey, nullptr);
        for (const auto& [name, value] : values) {
            wchar_t old[256] = {};
            DWORD size = sizeof(old);
            const bool existed =
                ::RegQueryValueExW(FKey, name.c_str(), nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS;
            FOld.push_back({name, existed ? std::optional<std::wstring>(old) : std::nullopt});
            Set(name, value);
        }
    }
    ~TRegionalOverride() {
        for (const auto& [name, old] : FOld) {
            if (old)
                Set(name, *old);
            else
                ::RegDeleteValueW(FKey, name.c_str());
        }
        ::RegCloseKey(FKey);
    }
    TRegionalOverride(const TRegionalOverride&) = delete;
    TRegionalOverride& operator=(const TRegionalOverride&) = delete;

private:
    void Set(const std::wstring& name, const std::wstring& value) {
        ::RegSetValueExW(FKey, name.c_str(), 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }

    HKEY FKey = nullptr;
    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> FOld;
};

// Runs "/SAVE" alone and returns the file name its save dialog proposes, then cancels.
std::wstring ProposedSaveName(TProcessGuard& processes) {
    HANDLE process = processes.StartWyndrel(L"/SAVE");
    if (!process) return L"(not started)";
    HWND dialog = WaitForDialog(L"デスクトップレイアウトファイルの保存");
    if (!dialog) return L"(no dialog)";
    // The file-name field: a combo box edit or a plain edit, depending on the dialog's style.
    auto nameField = [&] {
        return ::GetDlgItem(dialog, 0x047c) ? ::GetDlgItem(dialog, 0x047c)
                                            : ::GetDlgItem(dialog, 0x0480);
    };
    WaitUntil([&] { return nameField() != nullptr; }, 5000);
    std::wstring name = WindowText(nameField());
    PressDialogButtonById(dialog, IDCANCEL);
    EXPECT_EQ(WaitForExit(process, 10000), 1);
    return name;
}

TEST_F(CommandMode, SaveAloneShowsTheSaveDialogWithTheProposedName) {
    TWyndrelSettings settings("UseDefFileName=True\r\nIsFileNameDateTime=\"layout\"yyyy\r\n");
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    const std::wstring proposed = ProposedSaveName(Processes);
    EXPECT_NE(proposed.find(L"layout" + std::to_wstring(now.wYear) + L".qdl"), std::wstring::npos)
        << Narrow(proposed);
}

TEST_F(CommandMode, ProposesTheNameInTheUsersRegionalDateAndTimeFormats) {
    TWyndrelSettings settings("UseDefFileName=True\r\nIsFileNameDateTime=ddddd_tt\r\n");
    TRegionalOverride regional{{L"sShortDate", L"dd.MM.yyyy"}, {L"sTimeFormat", L"HH'h'"}};
    auto expected = [] {
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        wchar_t name[64];
        std::swprintf(name, 64, L"%02u.%02u.%04u_%02uh.qdl", now.wDay, now.wMonth, now.wYear,
                      now.wHour);
        return std::wstring(name);
    };
    const std::wstring before = expected();
    const std::wstring proposed = ProposedSaveName(Processes);
    // The hour may turn while the program starts.
    EXPECT_TRUE(proposed.find(before) != std::wstring::npos ||
                proposed.find(expected()) != std::wstring::npos)
        << Narrow(proposed);
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

TEST_F(CommandMode, LeavesAReadOnlyTargetAsItWasWhenTheUserAnswersNo) {
    TWyndrelSettings settings;
    ASSERT_NE(OpenAt(L"doc.txt", 50, 50, 300, 200, 0), nullptr);
    std::wstring layout = Folder.File(L"kept.qdl");
    WriteBytes(layout, "[QuillonLayoutFile]\r\n");
    ASSERT_TRUE(::SetFileAttributesW(layout.c_str(), FILE_ATTRIBUTE_READONLY));
    HANDLE process = Processes.StartWyndrel(L"/SAVE \"" + layout + L"\"");
    ASSERT_NE(process, nullptr);
    std::wstring text = Answer(L"質問", IDNO);
    EXPECT_NE(text.find(L"は、読み取り専用属性が付いています。"), std::wstring::npos)
        << Narrow(text);
    EXPECT_EQ(WaitForExit(process, 10000), 1);
    EXPECT_EQ(ReadBytes(layout), "[QuillonLayoutFile]\r\n");
    EXPECT_NE(::GetFileAttributesW(layout.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    ::SetFileAttributesW(layout.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The usual install path is moved aside for the test when the prefix has the editor there.
class TEditorInstallHidden {
public:
    TEditorInstallHidden() { FMoved = ::MoveFileW(Installed, Aside) != FALSE; }
    ~TEditorInstallHidden() {
        if (FMoved) ::MoveFileW(Aside, Installed);
    }

private:
    static constexpr const wchar_t* Installed = L"C:\\Program Files\\Quillon\\Quillon.exe";
    static constexpr const wchar_t* Aside = L"C:\\Program Files\\Quillon\\Quillon.exe.aside";
    bool FMoved = false;
};

TEST_F(CommandMode, EndsWithTheFatalBoxWhenNoEditorCanBeFound) {
    TEditorInstallHidden hidden;
    TWyndrelSettings settings("", Folder.File(L"missing\\Quillon.exe"));
    HANDLE process = Processes.StartWyndrel(L"/SAVE \"" + Folder.File(L"x.qdl") + L"\"");
    ASSERT_NE(process, nullptr);
    EXPECT_NE(Answer(L"Quillonのパス検出", IDOK).find(L"Quillonを起動してください。"),
              std::wstring::npos);
    EXPECT_NE(Answer(L"情報", IDOK).find(L"Quillonを探しましたが起動してません。"),
              std::wstring::npos);
    EXPECT_EQ(Answer(L"致命的エラー", IDOK),
              L"Quillonのパスを取得・設定出来ませんでした。\r\n終了します。");
    EXPECT_EQ(WaitForExit(process, 10000), 1);
    EXPECT_EQ(::GetFileAttributesW(Folder.File(L"x.qdl").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

TEST_F(CommandMode, GoesOnWhenTheEditorItWaitsForIsKilled) {
    TWyndrelSettings settings;
    std::wstring layout = Folder.File(L"wait.qdl");
    std::string file = wyndrel::win32::Utf8ToAnsi(Narrow(Folder.File(L"never ready.txt")));
    WriteBytes(layout, "[QuillonLayoutFile]\r\nFile=" + file + "\r\nRect=10,10,300,200\r\n");
    TStartOptions options;
    options.Environment = {{L"QUILLON_DOUBLE_IDLE_DELAY_MS", L"never"}};
    HANDLE wyndrel = Processes.StartWyndrel(L"/LOAD \"" + layout + L"\"", options);
    ASSERT_NE(wyndrel, nullptr);
    // The editor it started shows no window while it never gets ready; end it from outside
    // once the program waits for it.
    ASSERT_TRUE(WaitUntil([&] { return KillChildrenBeingWaitedFor(wyndrel) > 0; }, 10000));
    DWORD killedAt = ::GetTickCount();
    std::wstring text = Answer(L"エラー", IDOK);
    EXPECT_EQ(text, L"起動させたQuillonを確認できませんでした。");
    // The wait ended with the process, long before its 30-second bound.
    EXPECT_LT(::GetTickCount() - killedAt, 15000u);
    EXPECT_EQ(WaitForExit(wyndrel, 10000), 0);
}

}  // namespace
}  // namespace e2e
