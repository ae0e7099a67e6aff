// The last session on the in-memory desktop: what is kept and when it is written, and what
// the next start offers after a run the user did not quit.
#include "app/last_session.h"
#include "app/main_window_commands.h"
#include "app/main_window_ids.h"
#include "fakes/fake_timer.h"
#include "settings/setting_keys.h"
#include "unit/layout/layout_world.h"

namespace wyndrel::app {
namespace {

class LastSession : public layout::LayoutWorld {
protected:
    LastSession() {
        Files.AddFolder("C:\\Tools");
        Ini.IniFileName = IniPath;
    }
    // A resident start with the settings file holding `settings`.
    TLastSession& Start(const std::string& settings) {
        Files.AddFile(IniPath, "[Option]\r\n" + settings);
        Table.emplace(MainWindowCommandRule);
        Session.emplace(TLastSessionPorts{Engine, Launcher, Files, Ui, Ini, Timer},
                        TLastSessionFiles{Path, Snapshot}, *Table);
        return *Session;
    }
    std::string Entry(const std::string& file, int caret, Rect rect) {
        return "File=" + file + "\r\nCurs=" + std::to_string(caret) +
               "\r\nRect=" + std::to_string(rect.Left) + "," + std::to_string(rect.Top) + "," +
               std::to_string(rect.Width()) + "," + std::to_string(rect.Height()) + "\r\n";
    }

    const std::string IniPath = "C:\\Tools\\wyndrel.ini";
    const std::string Path = "C:\\Tools\\LastSession.qdl";
    const std::string Snapshot = "C:\\Tools\\VOREZUVA.KTDK";
    const std::string Header = "[QuillonLayoutFile]\r\n";
    settings::TIniAccess Ini{Files};
    fakes::TFakeTimer Timer;
    std::optional<ui::TCommandTable> Table;
    std::optional<TLastSession> Session;
};

TEST_F(LastSession,
       IsWrittenOnlyWhenTheEditorsChangedSilentlyWithTheScatterPlacesAndAHeaderForNoEditor) {
    TLastSession& session = Start("");
    EXPECT_TRUE(Timer.Enabled());
    EXPECT_EQ(Timer.Interval(), 60000u);
    WindowId a = Desktop.AddEditor("C:\\a.txt", {10, 20, 410, 320}, 3);
    WindowId b = Desktop.AddEditor("C:\\b.txt", {500, 40, 900, 640}, 7);
    session.Keep(TKeepMoment::Minute);
    const std::string both = Header + Entry("C:\\b.txt", 7, {500, 40, 900, 640}) +
                             Entry("C:\\a.txt", 3, {10, 20, 410, 320});
    EXPECT_EQ(Files.Content(Path), both);
    const int writes = Files.WriteCount();
    session.Keep(TKeepMoment::Minute);
    EXPECT_EQ(Files.WriteCount(), writes);

    // Scattered: the places kept are those put in order brings back.
    Files.AddFile(Snapshot, Header + Entry("C:\\A.TXT", 0, {10, 20, 410, 320}));
    Desktop.SetWindowPos(a, TInsertAfter::Top, 700, 700, 50, 50, TPlacementFlags::NoZOrder);
    session.Keep(TKeepMoment::Minute);
    EXPECT_EQ(Files.WriteCount(), writes);
    Files.RemoveFile(Snapshot);

    // A failed write says nothing and is tried again at the next minute.
    Files.FailWritesWithDiskFull(true);
    session.Keep(TKeepMoment::Minute);
    EXPECT_EQ(Files.Content(Path), both);
    Files.FailWritesWithDiskFull(false);
    session.Keep(TKeepMoment::Minute);
    EXPECT_EQ(Files.Content(Path), Header + Entry("C:\\b.txt", 7, {500, 40, 900, 640}) +
                                       Entry("C:\\a.txt", 3, {700, 700, 750, 750}));
    EXPECT_TRUE(Ui.Events().empty());

    // Editors closing at the session's end leave the file; closed by the user, the header alone.
    Desktop.Destroy(a);
    Desktop.Destroy(b);
    session.Keep(TKeepMoment::SessionEnd);
    EXPECT_NE(Files.Content(Path), Header);
    session.Keep(TKeepMoment::Minute);
    EXPECT_EQ(Files.Content(Path), Header);
}

TEST_F(LastSession, KeepsAMaximisedEditorsShowStateAlsoFromTheScatterSnapshot) {
    TLastSession& session = Start("");
    WindowId a = Desktop.AddEditor("C:\\a.txt", {10, 20, 410, 320}, 3);
    Desktop.Maximise(a);
    session.Keep(TKeepMoment::Minute);
    const std::string maximised = Files.Content(Path);
    EXPECT_EQ(maximised, Header + Entry("C:\\a.txt", 3, {-8, -8, 1928, 1048}) +
                             "#Show=Maximized;Normal=10,20,400,300\r\n");
    // Scattered, the window is normal at a random place; kept is the place it goes back to.
    Files.AddFile(Snapshot, maximised);
    Desktop.Restore(a);
    Desktop.SetWindowPos(a, TInsertAfter::Top, 700, 700, 50, 50, TPlacementFlags::NoZOrder);
    const int writes = Files.WriteCount();
    session.Keep(TKeepMoment::Minute);
    EXPECT_EQ(Files.WriteCount(), writes);
}

TEST_F(LastSession, IsOfferedAfterARunTheUserDidNotQuitAsTheChoiceSaysForFilesNoEditorShows) {
    const std::string two = Header + Entry("C:\\a.txt", 3, {10, 20, 410, 320}) +
                            Entry("C:\\b.txt", 7, {500, 40, 900, 640});
    Files.AddFile(Path, two);
    // The first start ever, and a start after the user's quit, offer nothing; each start notes
    // itself as running.
    Start("");
    Session->OfferAtStart();
    EXPECT_EQ(Ini.Read(settings::keys::QuitByUser), false);
    Start("QuitByUser=True\r\n");
    Session->OfferAtStart();
    EXPECT_TRUE(Ui.Messages().empty());

    Start("QuitByUser=False\r\nRestoreLastSession=0\r\n");
    Table->Dispatch(ids::cmdOfferLastSession);
    EXPECT_TRUE(Ui.Messages().empty());
    EXPECT_TRUE(Processes.Starts().empty());

    // Asked (also for a value out of range) with the number of entries; いいえ starts nothing.
    Start("QuitByUser=False\r\nRestoreLastSession=7\r\n");
    Ui.Answer(TBoxAnswer::No);
    Session->OfferAtStart();
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].Text,
              "前回のセッションで開いていたQuillonのウィンドウ(2個)を復元しますか？");
    EXPECT_EQ(Ui.Messages()[0].DialogType, TDialogType::Confirmation);
    EXPECT_EQ(Ui.Messages()[0].Buttons, TBoxButtons::YesNo);
    EXPECT_TRUE(Processes.Starts().empty());
    Start("QuitByUser=False\r\n");
    Ui.Answer(TBoxAnswer::Yes);
    Session->OfferAtStart();
    EXPECT_NE(EditorShowing("C:\\a.txt"), WindowId{});
    EXPECT_NE(EditorShowing("C:\\b.txt"), WindowId{});
    EXPECT_EQ(Desktop.Window(EditorShowing("C:\\b.txt")).Bounds, (Rect{500, 40, 900, 640}));

    // Every file shown already: nothing to offer. One closed since: restored without a question.
    const std::size_t asked = Ui.Messages().size();
    Start("QuitByUser=False\r\nRestoreLastSession=2\r\n");
    Session->OfferAtStart();
    const std::size_t started = Processes.Starts().size();
    Desktop.Destroy(EditorShowing("C:\\a.txt"));
    Session->OfferAtStart();
    EXPECT_EQ(Processes.Starts().size(), started + 1);
    EXPECT_EQ(Ui.Messages().size(), asked);
}

}  // namespace
}  // namespace wyndrel::app
