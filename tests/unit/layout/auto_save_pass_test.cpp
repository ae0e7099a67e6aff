// The auto-save pass on the fake desktop: which editors are told to save, and how.
#include "fakes/fake_desktop.h"
#include "fakes/fake_files.h"
#include "fakes/fake_processes.h"
#include "fakes/fake_user_interface.h"
#include "layout/auto_save_pass.h"
#include "layout/editor_interface.h"
#include "platform/silent_abort.h"

#include <gtest/gtest.h>

namespace wyndrel::layout {
namespace {

class AutoSavePass : public ::testing::Test {
protected:
    AutoSavePass() {
        Ini.IniFileName = "C:\\Tools\\wyndrel.ini";
        Ui.OnPump([this](std::uint32_t elapsedMs) { Processes.AdvanceTime(elapsedMs); });
    }
    void Settings(const std::string& autoSave) {
        Files.AddFile(Ini.IniFileName, "[AutoSave]\r\n" + autoSave);
    }
    WindowId Editor(const std::string& path, bool modified) {
        WindowId editor = Desktop.AddEditor(path);
        Desktop.Window(Desktop.EditorChild(editor)).Modified = modified;
        return editor;
    }
    std::vector<std::string> Received(WindowId window) { return Desktop.Window(window).Received; }
    void Run() { RunAutoSavePass(Engine, Ini, Wait); }

    const std::string Sent = "sent " + std::to_string(WM_SAVEREQUEST);
    const std::string Posted = "posted " + std::to_string(WM_SAVEREQUEST);
    fakes::TFakeDesktop Desktop;
    fakes::TFakeFiles Files;
    settings::TIniAccess Ini{Files};
    TLayoutEngine Engine{Desktop};
    fakes::TFakeProcesses Processes;
    fakes::TFakeUserInterface Ui;
    TBoundedWait Wait{Processes, Ui};
};

TEST_F(AutoSavePass, SendsTheRequestToEveryModifiedEditorIncludingUntitledOnesForAllFiles) {
    Settings("ForAllFiles=True\r\nSaveType=True\r\n");
    WindowId modified = Editor("C:\\a.txt", true);
    WindowId untitled = Editor("", true);
    WindowId clean = Editor("C:\\b.txt", false);
    Run();
    EXPECT_EQ(Received(modified), std::vector<std::string>{Sent});
    EXPECT_EQ(Received(untitled), std::vector<std::string>{Sent});
    EXPECT_TRUE(Received(clean).empty());
}

TEST_F(AutoSavePass, PostsTheRequestToListedFilesWhateverTheirLetterCase) {
    Settings("SaveType=yes\r\nFileCount=2\r\nFile0=c:\\DOCS\\a.txt\r\nFile1=C:\\docs\\c.txt\r\n");
    WindowId listed = Editor("C:\\docs\\A.TXT", true);
    WindowId twin = Editor("C:\\docs\\a.txt", true);
    WindowId unlisted = Editor("C:\\docs\\b.txt", true);
    WindowId clean = Editor("C:\\docs\\c.txt", false);
    WindowId untitled = Editor("", true);
    Run();
    EXPECT_EQ(Received(listed), std::vector<std::string>{Posted});
    EXPECT_EQ(Received(twin), std::vector<std::string>{Posted});
    EXPECT_TRUE(Received(unlisted).empty());
    EXPECT_TRUE(Received(clean).empty());
    EXPECT_TRUE(Received(untitled).empty());
}

TEST_F(AutoSavePass, ReadsMissingListEntriesAsEmptyPathsSoAnUntitledDocumentQualifies) {
    Settings("SaveType=True\r\nFileCount=3\r\nFile0=C:\\a.txt\r\n");
    WindowId untitled = Editor("", true);
    WindowId listed = Editor("C:\\a.txt", true);
    Run();
    EXPECT_EQ(Received(untitled), std::vector<std::string>{Posted});
    EXPECT_EQ(Received(listed), std::vector<std::string>{Posted});
}

TEST_F(AutoSavePass, EndsSilentlyWithAnEmptyList) {
    Settings("SaveType=True\r\n");
    WindowId modified = Editor("C:\\a.txt", true);
    EXPECT_THROW(Run(), ESilentAbort);
    EXPECT_TRUE(Received(modified).empty());
}

TEST_F(AutoSavePass, TypesCtrlSIntoEachEditorAndGivesTheForegroundBackByDefault) {
    Settings("ForAllFiles=1\r\n");
    WindowId other = Desktop.AddTopLevel("Notepad");
    WindowId modified = Editor("C:\\a.txt", true);
    Desktop.SetForeground(other);
    Run();
    EXPECT_EQ(Received(modified), std::vector<std::string>{"keystroke save"});
    EXPECT_FALSE(Desktop.Window(Desktop.EditorChild(modified)).Modified);
    EXPECT_EQ(Desktop.KeyLog(), (std::vector<std::string>{"Ctrl down extended", "S down", "S up",
                                                          "Ctrl up extended"}));
    EXPECT_EQ(Desktop.Foreground(), other);
    EXPECT_EQ(Desktop.ActiveWindow(), other);
}

TEST_F(AutoSavePass, TypesNothingWhenTheEditorCannotBeBroughtToTheFront) {
    Settings("ForAllFiles=1\r\n");
    WindowId other = Desktop.AddTopLevel("Notepad");
    Desktop.SetForeground(other);
    Desktop.RefuseForeground(true);
    WindowId modified = Editor("C:\\a.txt", true);
    const std::uint32_t started = Processes.TickCount();
    Run();
    // The editor is waited for one second on the clock, with the queue handled meanwhile.
    EXPECT_EQ(Processes.TickCount() - started, 1000u);
    EXPECT_GT(Ui.PumpCount(), 0);
    EXPECT_TRUE(Desktop.KeyLog().empty());
    EXPECT_TRUE(Received(other).empty());
    EXPECT_TRUE(Received(modified).empty());
}

TEST_F(AutoSavePass, GoesOnAfterAnEditorThatClosesDuringThePass) {
    Settings("SaveType=True\r\nFileCount=2\r\nFile0=C:\\a.txt\r\nFile1=C:\\b.txt\r\n");
    WindowId lower = Editor("C:\\b.txt", true);
    WindowId closing = Editor("C:\\a.txt", true);
    WindowId top = Editor("C:\\a.txt", true);
    Desktop.OnEachEnumeratedWindow([&](WindowId window) {
        if (window == top) Desktop.Destroy(closing);
    });
    Run();
    EXPECT_EQ(Received(lower), std::vector<std::string>{Posted});
    EXPECT_EQ(Received(top), std::vector<std::string>{Posted});
}

}  // namespace
}  // namespace wyndrel::layout
