// Finding the running editor's executable and the auto-save pass, against real editor
// processes through the Win32 adapters.
#include "layout/auto_save_pass.h"
#include "layout/editor_executable.h"
#include "layout/enum_processes.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_user_interface.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "text/case_mapping.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace e2e {
namespace {

using wyndrel::win32::Narrow;

// Answers every box with OK and keeps their texts; no question is expected here.
class TAnsweringUi : public wyndrel::IUserInterface {
public:
    std::vector<std::string> Texts;
    wyndrel::TBoxAnswer ShowMessageBox(const wyndrel::TMessageBox& box) override {
        Texts.push_back(box.Text);
        return wyndrel::TBoxAnswer::Ok;
    }
    wyndrel::TBoxAnswer ShowMessageDialog(wyndrel::TDialogType, const std::string& text,
                                          wyndrel::TBoxButtons) override {
        Texts.push_back(text);
        return wyndrel::TBoxAnswer::Ok;
    }
    std::optional<std::string> ShowOpenDialog(const wyndrel::TFileDialog&) override {
        return std::nullopt;
    }
    std::optional<std::string> ShowSaveDialog(const wyndrel::TFileDialog&) override {
        return std::nullopt;
    }
    void SetApplicationTitle(const std::string&) override {}
    std::string ApplicationTitle() override { return "Wyndrel"; }
    void SetBusyCursor(bool) override {}
    void ProcessMessages() override {}
    void WaitForMessages(std::uint32_t) override {}
};

TEST(EditorDiscoveryOnWin32, ListsTheRunningEditorsFullPathAndFindsIt) {
    TTempFolder folder;
    TProcessGuard processes;
    ASSERT_NE(processes.OpenEditor(folder.File(L"a.txt")), nullptr);
    std::string editorPath = Narrow(ProgramFolder() + L"Quillon.exe");

    wyndrel::win32::TWin32Processes starter;
    wyndrel::layout::TEnumProcesses enumerator(starter);
    enumerator.Enumerate(0);
    auto upper = [](const std::string& path) { return wyndrel::text::LocaleUpper(path); };
    const auto& paths = enumerator.Paths();
    std::string listed;
    for (const std::string& path : paths) listed += path + "\n";
    EXPECT_TRUE(std::any_of(paths.begin(), paths.end(),
                            [&](const std::string& p) { return upper(p) == upper(editorPath); }))
        << editorPath << " among\n"
        << listed;

    wyndrel::win32::TWin32Files files;
    TAnsweringUi ui;
    std::string found = wyndrel::layout::FindEditorExecutable(files, starter, ui);
    // A prefix where the editor is installed at the usual path is answered from there.
    if (files.FileExists("C:\\Program Files\\Quillon\\Quillon.exe"))
        EXPECT_EQ(found, "C:\\Program Files\\Quillon\\Quillon.exe");
    else
        EXPECT_EQ(found, upper(editorPath)) << (ui.Texts.empty() ? "" : ui.Texts.back());
}

class AutoSaveOnWin32 : public ::testing::Test {
protected:
    HWND Open(const wchar_t* name, bool modified) {
        TStartOptions options;
        options.Environment = {{L"QUILLON_DOUBLE_SAVE_LOG", LogPath}};
        HWND editor = Processes.OpenEditor(Folder.File(name), options);
        if (editor && modified) {
            ::SendMessageW(EditorTextControl(editor), WM_SETTEXT, 0,
                           reinterpret_cast<LPARAM>(L"変更あり"));
            ::SendMessageW(EditorTextControl(editor), EM_SETMODIFY, TRUE, 0);
        }
        return editor;
    }
    void Run(const std::string& autoSaveSettings) {
        WriteBytes(Folder.File(L"wyndrel.ini"), "[AutoSave]\r\n" + autoSaveSettings);
        wyndrel::settings::TIniAccess ini(Files);
        ini.IniFileName = Narrow(Folder.File(L"wyndrel.ini"));
        wyndrel::layout::TLayoutEngine engine(Desktop);
        wyndrel::win32::TWin32Processes ticks;
        wyndrel::win32::TWin32UserInterface queue;
        wyndrel::layout::TBoundedWait wait(ticks, queue);
        wyndrel::layout::RunAutoSavePass(engine, ini, wait);
    }
    std::string Line(const char* way, const wchar_t* name) {
        return std::string(way) + "\t" + Narrow(Folder.File(name)) + "\n";
    }

    TTempFolder Folder;
    TProcessGuard Processes;
    std::wstring LogPath = Folder.File(L"saves.log");
    wyndrel::win32::TWin32Desktop Desktop;
    wyndrel::win32::TWin32Files Files;
};

TEST_F(AutoSaveOnWin32, SendsTheSaveRequestToModifiedEditorsOnlyForAllFiles) {
    ASSERT_NE(Open(L"modified.txt", true), nullptr);
    ASSERT_NE(Open(L"clean.txt", false), nullptr);
    Run("ForAllFiles=True\r\nSaveType=True\r\n");
    // Sent requests are handled before the pass goes on.
    EXPECT_EQ(ReadBytes(LogPath), Line("message", L"modified.txt"));
    EXPECT_EQ(ReadBytes(Folder.File(L"modified.txt")), "\x95\xCF\x8D\x58\x82\xA0\x82\xE8");
}

TEST_F(AutoSaveOnWin32, TypesCtrlSIntoTheListedModifiedEditor) {
    ASSERT_NE(Open(L"listed.txt", true), nullptr);
    ASSERT_NE(Open(L"unlisted.txt", true), nullptr);
    Run("FileCount=1\r\nFile0=" + wyndrel::win32::Utf8ToAnsi(Narrow(Folder.File(L"LISTED.TXT"))) +
        "\r\n");
    EXPECT_TRUE(
        WaitUntil([&] { return ReadBytes(LogPath) == Line("keystroke", L"listed.txt"); }, 5000))
        << ReadBytes(LogPath);
}

}  // namespace
}  // namespace e2e
