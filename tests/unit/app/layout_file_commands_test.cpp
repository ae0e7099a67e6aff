// The main window's layout commands on the in-memory platform: proposals, remembered files,
// closing after a save or a returned restore, cancelled dialogs, and the window's command table.
#include "app/layout_file_commands.h"
#include "app/main_window_commands.h"
#include "app/main_window_ids.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_regional_settings.h"
#include "unit/layout/layout_world.h"
#include "platform/silent_abort.h"

namespace wyndrel::app {
namespace {

class LayoutCommands : public layout::LayoutWorld {
protected:
    LayoutCommands() {
        Ini.IniFileName = "C:\\Tools\\wyndrel.ini";
        Files.AddFolder("C:\\Tools");
        Files.AddFolder("C:\\L");
    }
    std::vector<TFileDialog> FileDialogs() const {
        std::vector<TFileDialog> dialogs;
        for (const fakes::TUiEvent& event : Ui.Events())
            if (event.Kind == fakes::TUiEvent::TKind::FileDialog) dialogs.push_back(event.File);
        return dialogs;
    }

    fakes::TFakeClock Clock{{2002, 12, 7, 13, 5, 9, 0, 6}};
    fakes::TFakeRegionalSettings Regional;
    settings::TIniAccess Ini{Files};
    int CloseRequests = 0;
    ui::TCommandTable Table = CloseCountingTable();
    std::function<void()> OnEditorList = [] {};
    TLayoutFileCommands Commands{TPorts{Desktop, Processes, Files, Ui, Clock, Regional},
                                 Ini,
                                 Engine,
                                 Launcher,
                                 Table,
                                 TMainWindowHooks{[this] { OnEditorList(); }}};

private:
    ui::TCommandTable CloseCountingTable() {
        ui::TCommandTable table{MainWindowCommandRule};
        table.Add(ids::cmdCloseRequest, [this] { ++CloseRequests; });
        return table;
    }
};

TEST_F(LayoutCommands,
       SaveProposesTheLastSavedFileOrTheDatedNameInTheUsersFormatsAndWritesTheLayout) {
    Desktop.AddEditor("C:\\a.txt", {10, 20, 110, 220}, 3);
    Ui.ChooseFile("C:\\L\\one.qdl");
    Ui.ChooseFile(std::nullopt);
    Ui.ChooseFile("C:\\L\\two.qdl");
    Commands.Save();
    Commands.Save();  // cancelled: the remembered file stays
    Commands.Save();
    Ini.WriteIniBool("Option", "UseDefFileName", true);
    Ini.WriteIniString("Option", "IsFileNameDateTime", "yyyy/mm/dd hh:nn");
    Regional.Values[TRegionalItem::DateSeparator] = ".";
    Ui.ChooseFile(std::nullopt);
    Commands.Save();

    const std::vector<TFileDialog> dialogs = FileDialogs();
    ASSERT_EQ(dialogs.size(), 4u);
    EXPECT_EQ(dialogs[0].Title, "デスクトップレイアウトファイルの保存");
    EXPECT_EQ(dialogs[0].Filter,
              "Quillonデスクトップレイアウト(*.qdl)|*.qdl|全てのファイル(*.*)|*.*");
    EXPECT_EQ(dialogs[0].DefaultExtension, "qdl");
    EXPECT_TRUE(dialogs[0].PromptBeforeOverwrite);
    EXPECT_EQ(dialogs[0].InitialFileName, "");
    EXPECT_EQ(dialogs[1].InitialFileName, "C:\\L\\one.qdl");
    EXPECT_EQ(dialogs[2].InitialFileName, "C:\\L\\one.qdl");
    EXPECT_EQ(dialogs[3].InitialFileName, "2002.12.07 13：05.qdl");
    EXPECT_EQ(Files.Content("C:\\L\\two.qdl"),
              "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nCurs=3\r\nRect=10,20,100,200\r\n");
    EXPECT_EQ(CloseRequests, 0);
}

TEST_F(LayoutCommands, SaveAndCloseShowsOneDialogAndClosesOnlyAfterAConfirmedSave) {
    Desktop.AddEditor("C:\\a.txt");
    Ui.ChooseFile(std::nullopt);
    Commands.SaveAndClose();
    EXPECT_EQ(CloseRequests, 0);
    Ui.ChooseFile("C:\\L\\day.qdl");
    Commands.SaveAndClose();
    EXPECT_EQ(FileDialogs().size(), 2u);
    EXPECT_EQ(CloseRequests, 1);
    EXPECT_TRUE(Files.FileExists("C:\\L\\day.qdl"));
}

TEST_F(LayoutCommands, ReadRestoresTheChosenFileRemembersItAndClosesOnlyAfterARestoreThatReturned) {
    Files.AddFile("C:\\L\\good.qdl",
                  "[QuillonLayoutFile]\r\nFile=C:\\b.txt\r\nCurs=0\r\nRect=1,2,300,400\r\n");
    Files.AddFile("C:\\L\\bad.qdl", "[QuillonLayoutFile]\r\nFile=C:\\b.txt\r\nRect=x\r\n");
    Ui.ChooseFile(std::nullopt);
    Commands.ReadAndClose();  // cancelled: nothing restored, the window stays
    Ui.ChooseFile("C:\\L\\bad.qdl");
    EXPECT_THROW(Table.Dispatch(ids::btnReadEnd), ESilentAbort);
    EXPECT_EQ(CloseRequests, 0);
    EXPECT_TRUE(Processes.Starts().empty());
    EXPECT_FALSE(Table.Busy());

    Ui.ChooseFile("C:\\L\\good.qdl");
    Commands.Read();
    EXPECT_EQ(Processes.Starts().size(), 1u);
    EXPECT_EQ(CloseRequests, 0);
    Ui.ChooseFile("C:\\L\\good.qdl");
    Commands.ReadAndClose();
    EXPECT_EQ(CloseRequests, 1);

    const std::vector<TFileDialog> dialogs = FileDialogs();
    ASSERT_EQ(dialogs.size(), 4u);
    EXPECT_EQ(dialogs[0].Title, "デスクトップレイアウトファイルを開く");
    EXPECT_TRUE(dialogs[0].FileMustExist);
    EXPECT_EQ(dialogs[0].InitialFileName, "");
    EXPECT_EQ(dialogs[1].InitialFileName, "");
    EXPECT_EQ(dialogs[2].InitialFileName, "C:\\L\\bad.qdl");
    EXPECT_EQ(dialogs[3].InitialFileName, "C:\\L\\good.qdl");
}

TEST_F(LayoutCommands,
       SaveIntoAFolderRemovedAfterTheDialogShowsTheWriteErrorAndChangesNothingElse) {
    const WindowId editor = Desktop.AddEditor("C:\\a.txt", {10, 20, 110, 220}, 3);
    Ui.DuringFileDialog = [this] { Files.RemoveFolder("C:\\L"); };
    Ui.ChooseFile("C:\\L\\day.qdl");
    Commands.Save();
    ASSERT_EQ(Ui.Messages().size(), 2u);  // the save dialog, then the one box
    EXPECT_EQ(Ui.Messages()[1].Text,
              "ファイル書込中に EInOutError クラスのエラーが発生しました。\r\nメッセージ：The "
              "system cannot find the path specified.");
    EXPECT_EQ(Files.WriteCount(), 0);
    EXPECT_FALSE(Files.DirectoryExists("C:\\L"));
    EXPECT_EQ(Desktop.Window(editor).Bounds, (Rect{10, 20, 110, 220}));
    EXPECT_EQ(Ui.ApplicationTitle(), "Wyndrel");

    // The program goes on: with the folder made again the next save writes the layout.
    Ui.DuringFileDialog = nullptr;
    Files.AddFolder("C:\\L");
    Ui.ChooseFile("C:\\L\\day.qdl");
    Commands.Save();
    EXPECT_EQ(Files.Content("C:\\L\\day.qdl"),
              "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nCurs=3\r\nRect=10,20,100,200\r\n");
}

TEST_F(LayoutCommands, NoOtherCommandRunsWhileTheListIsOpenOrARestoreWaits) {
    OnEditorList = [this] {
        EXPECT_FALSE(Table.Available(ids::pmSave));
        Table.Dispatch(ids::pmSave);
        Table.Dispatch(ids::btnSituate);
    };
    Table.Dispatch(ids::pmSituate);
    EXPECT_TRUE(FileDialogs().empty());

    Files.AddFile("C:\\L\\good.qdl",
                  "[QuillonLayoutFile]\r\n\r\nFile=C:\\b.txt\r\nCurs=0\r\nRect=1,2,300,400\r\n");
    int listOpenings = 0;
    OnEditorList = [&] { ++listOpenings; };
    Ui.OnPump([this](std::uint32_t ms) {
        Processes.AdvanceTime(ms);
        Table.Dispatch(ids::btnSituate);
        Table.Dispatch(ids::btnSaveEnd);
    });
    Ui.ChooseFile("C:\\L\\good.qdl");
    Table.Dispatch(ids::btnRead);
    EXPECT_GT(Ui.PumpCount(), 0);
    EXPECT_EQ(FileDialogs().size(), 1u);
    EXPECT_EQ(listOpenings, 0);
    EXPECT_EQ(CloseRequests, 0);
    Table.Dispatch(ids::btnSituate);
    EXPECT_EQ(listOpenings, 1);
}

}  // namespace
}  // namespace wyndrel::app
