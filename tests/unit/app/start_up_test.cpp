// Start-up and command mode on the in-memory platform: the editor path, the command-line
// table, the dialogs of command mode, exit codes and the temporary file's removal.
#include "app/command_line.h"
#include "app/command_mode.h"
#include "app/start_up.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_files.h"
#include "fakes/fake_processes.h"
#include "fakes/fake_regional_settings.h"
#include "fakes/fake_user_interface.h"

#include <gtest/gtest.h>

namespace wyndrel::app {
namespace {

class StartingUp : public ::testing::Test {
protected:
    StartingUp() {
        Files.AddFolder("C:\\Tools");
        Files.AddFile(Editor, "");
        Processes.ModelEditorOn(Desktop, {});
        Ui.OnPump([this](std::uint32_t ms) { Processes.AdvanceTime(ms); });
    }
    TStartUpResult Run(const std::vector<std::string>& arguments) {
        return RunStartUp({Desktop, Processes, Files, Ui, Clock, Regional},
                          settings::DecideSettingsFolder(Files, Exe), arguments);
    }
    void Settings(const std::string& text) { Files.AddFile(Ini, text); }

    const std::string Exe = "C:\\Tools\\wyndrel.exe";
    const std::string Ini = "C:\\Tools\\wyndrel.ini";
    const std::string Editor = "C:\\Program Files\\Quillon\\Quillon.exe";
    fakes::TFakeDesktop Desktop;
    fakes::TFakeProcesses Processes;
    fakes::TFakeFiles Files;
    fakes::TFakeUserInterface Ui;
    fakes::TFakeClock Clock;
    fakes::TFakeRegionalSettings Regional;
};

TEST(CommandLineTable, ReadsSwitchesInAnyCaseAndTakesAnyOtherSingleArgumentAsALayoutFile) {
    EXPECT_EQ(ParseCommandLine({}).Kind, TCommandKind::Resident);
    EXPECT_EQ(ParseCommandLine({"/save"}).Kind, TCommandKind::SaveWithDialog);
    EXPECT_EQ(ParseCommandLine({"/Open"}).Kind, TCommandKind::LoadWithDialog);
    EXPECT_EQ(ParseCommandLine({"/LOAD", "C:\\a.qdl"}).Kind, TCommandKind::LoadFrom);
    EXPECT_EQ(ParseCommandLine({"/SAVE", "C:\\a.qdl"}).Path, "C:\\a.qdl");
    TCommand single = ParseCommandLine({"C:\\day.qdl"});
    EXPECT_EQ(single.Kind, TCommandKind::LoadFrom);
    EXPECT_EQ(single.Path, "C:\\day.qdl");
    EXPECT_EQ(ParseCommandLine({"/SAVES", "x"}).Kind, TCommandKind::InvalidSwitch);
    EXPECT_EQ(ParseCommandLine({"/SAVE", "x", "y"}).Kind, TCommandKind::TooManyArguments);
}

TEST_F(StartingUp, EndsWithTheFatalBoxWhenNoEditorCanBeFoundAnywhere) {
    Files.RemoveFile(Editor);
    Files.AddFile("C:\\Tools\\VOREZUVA.KTDK", "x");
    TStartUpResult result = Run({"/SAVE", "C:\\Tools\\a.qdl"});
    EXPECT_EQ(result.ExitCode, TExitCode::NotDone);
    ASSERT_FALSE(Ui.Messages().empty());
    const TMessageBox fatal = Ui.Messages().back().Box;
    EXPECT_EQ(fatal.Text, "Quillonのパスを取得・設定出来ませんでした。\r\n終了します。");
    EXPECT_EQ(fatal.Caption, "致命的エラー");
    EXPECT_TRUE(fatal.TopMost);
    EXPECT_FALSE(Files.FileExists(Ini));
    EXPECT_TRUE(
        Files.FileExists("C:\\Tools\\VOREZUVA.KTDK"));  // only the resident program removes it
}

TEST_F(StartingUp, StoresTheDiscoveredEditorPathOnlyWhenItExists) {
    Files.RemoveFile(Editor);
    Files.AddFile("D:\\QUILLON\\QUILLON.EXE", "");
    Processes.AddRunning("D:\\Quillon\\Quillon.exe");
    TStartUpResult result = Run({});
    EXPECT_TRUE(result.RunResident);
    EXPECT_EQ(result.EditorPath, "D:\\QUILLON\\QUILLON.EXE");
    EXPECT_EQ(Files.Content(Ini), "[Option]\r\nQuilPath=D:\\QUILLON\\QUILLON.EXE\r\n");
}

TEST_F(StartingUp, KeepsSettingsAndTheSnapshotInTheUsersFolderWhenTheProgramsFolderRefusesWrites) {
    Files.RemoveFile(Editor);
    Files.AddFile("D:\\QUILLON\\QUILLON.EXE", "");
    Processes.AddRunning("D:\\Quillon\\Quillon.exe");
    Files.SetUserAppDataFolder("C:\\Users\\Aki\\AppData\\Roaming");
    Files.MakeFolderUnwritable("C:\\Tools");
    const std::string userFolder = "C:\\Users\\Aki\\AppData\\Roaming\\Wyndrel\\";
    Files.AddFile(userFolder + "VOREZUVA.KTDK", "x");
    EXPECT_EQ(Run({"/LOAD", userFolder + "missing.qdl"}).ExitCode, TExitCode::NotDone);
    EXPECT_EQ(Files.Content(userFolder + "wyndrel.ini"),
              "[Option]\r\nQuilPath=D:\\QUILLON\\QUILLON.EXE\r\n");
    EXPECT_FALSE(Files.FileExists(Ini));
    EXPECT_TRUE(
        Files.FileExists(userFolder + "VOREZUVA.KTDK"));  // command mode leaves the snapshot
}

TEST_F(StartingUp, SavesToTheGivenPathAndRestoresFromABareArgument) {
    Desktop.AddEditor("C:\\a.txt", {1, 2, 101, 202}, 4);
    EXPECT_EQ(Run({"/save", "C:\\Tools\\day.qdl"}).ExitCode, TExitCode::Done);
    EXPECT_EQ(Files.Content("C:\\Tools\\day.qdl"),
              "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nCurs=4\r\nRect=1,2,100,200\r\n");
    Desktop.Destroy(Desktop.ZOrder().front());
    EXPECT_EQ(Run({"C:\\Tools\\day.qdl"}).ExitCode, TExitCode::Done);
    ASSERT_EQ(Processes.Starts().size(), 1u);
    EXPECT_EQ(Processes.Starts()[0].CommandLine, Editor + " \"C:\\a.txt\"");
}

TEST_F(StartingUp, EndsWithStatusOneWhenTheLayoutFileIsBad) {
    Files.AddFile("C:\\Tools\\bad.qdl", "[QuillonLayoutFile]\r\nnonsense\r\n");
    EXPECT_EQ(Run({"/LOAD", "C:\\Tools\\bad.qdl"}).ExitCode, TExitCode::NotDone);
    EXPECT_TRUE(Processes.Starts().empty());
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].DialogType, TDialogType::Error);
}

TEST_F(StartingUp, ProposesTheDefaultNameInTheSaveDialogReplacingOnlyColonAndSlash) {
    Settings("[Option]\r\nUseDefFileName=True\r\nIsFileNameDateTime=yyyy/mm/dd hh:nn ddd\r\n");
    Ui.ChooseFile(std::nullopt);
    EXPECT_EQ(Run({"/SAVE"}).ExitCode, TExitCode::NotDone);
    ASSERT_EQ(Ui.Events().size(), 1u);
    const TFileDialog dialog = Ui.Events()[0].File;
    EXPECT_EQ(dialog.Title, "デスクトップレイアウトファイルの保存");
    EXPECT_EQ(dialog.InitialFileName, "2026／12／08 09：05 Tue.qdl");
    EXPECT_EQ(dialog.Filter, "Quillonデスクトップレイアウト(*.qdl)|*.qdl|全てのファイル(*.*)|*.*");
    EXPECT_EQ(dialog.DefaultExtension, "qdl");
    EXPECT_TRUE(dialog.PromptBeforeOverwrite);
}

TEST_F(StartingUp, ProposesTheNameInTheUsersOwnDateAndTimeFormats) {
    Settings("[Option]\r\nUseDefFileName=True\r\nIsFileNameDateTime=ddddd_t\r\n");
    Regional.Values = {{TRegionalItem::ShortDate, "dd.MM.yyyy"},
                       {TRegionalItem::ShortTime, "h.mm tt"},
                       {TRegionalItem::AfternoonText, "PM"}};
    Ui.ChooseFile(std::nullopt);
    Run({"/SAVE"});
    ASSERT_EQ(Ui.Events().size(), 1u);
    EXPECT_EQ(Ui.Events()[0].File.InitialFileName, "08.12.2026_9.05 午前.qdl");
}

TEST_F(StartingUp, OpensTheChosenFileFromTheOpenDialogWithNoProposedName) {
    Files.AddFile("C:\\Tools\\only-header.qdl", "[QuillonLayoutFile]\r\n");
    Ui.ChooseFile("C:\\Tools\\only-header.qdl");
    EXPECT_EQ(Run({"/open"}).ExitCode, TExitCode::Done);
    const TFileDialog dialog = Ui.Events()[0].File;
    EXPECT_EQ(dialog.Title, "デスクトップレイアウトファイルを開く");
    EXPECT_EQ(dialog.InitialFileName, "");
    EXPECT_TRUE(dialog.FileMustExist);
}

TEST_F(StartingUp, WarnsAboutAnUnknownSwitchQuotingOnlyTheFirstArgument) {
    EXPECT_EQ(Run({"/SAVEALL", "C:\\x.qdl"}).ExitCode, TExitCode::InvalidCommandLine);
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].DialogType, TDialogType::Warning);
    EXPECT_EQ(Ui.Messages()[0].Text,
              "無効なコマンドラインです。設定をご確認下さい。\r\nコマンドライン：/SAVEALL");
}

TEST_F(StartingUp, RefusesThreeArgumentsWithTheErrorBox) {
    Files.AddFile("C:\\Tools\\VOREZUVA.KTDK", "x");
    EXPECT_EQ(Run({"a", "b", "c"}).ExitCode, TExitCode::InvalidCommandLine);
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].Box.Text,
              "そんなに大量のコマンドラインを入力されても困りまする\r\nコマンドラインの説明はREADME"
              "を参照下され。");
    EXPECT_EQ(Ui.Messages()[0].Box.Caption, "えら～");
    EXPECT_TRUE(Files.FileExists("C:\\Tools\\VOREZUVA.KTDK"));
}

}  // namespace
}  // namespace wyndrel::app
