// The resident start on the in-memory platform: hand-over to a running copy, and the order
// of the first copy's steps from the mutex to its end.
#include "app/resident_start.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_files.h"
#include "fakes/fake_resident_process.h"
#include "fakes/fake_user_interface.h"

#include <gtest/gtest.h>

namespace wyndrel::app {
namespace {

class TLoggingHost : public IResidentHost {
public:
    explicit TLoggingHost(std::vector<std::string>& log) : FLog(log) {}
    void CreateMainWindow(bool show) override {
        FLog.push_back(show ? "window shown" : "window hidden");
    }
    void RunMessageLoop() override {
        FLog.push_back("loop");
        if (OnLoop) OnLoop();
    }
    std::function<void()> OnLoop;

private:
    std::vector<std::string>& FLog;
};

class ResidentStart : public ::testing::Test {
protected:
    ResidentStart() { Files.AddFile(Temporary, "x"); }
    TResidentOutcome Run() {
        settings::TIniAccess ini(Files);
        ini.IniFileName = "C:\\Tools\\wyndrel.ini";
        const settings::TSettingsFolder folder("C:\\Tools\\", "wyndrel.ini");
        return RunResident({Desktop, Process, Ui, Files}, ini, Locale, folder, Host);
    }

    const std::string Temporary = "C:\\Tools\\VOREZUVA.KTDK";
    fakes::TFakeDesktop Desktop;
    fakes::TFakeResidentProcess Process{Desktop};
    fakes::TFakeUserInterface Ui;
    fakes::TFakeFiles Files;
    text::TDateTimeLocale Locale = text::ReferenceDateTimeLocale();
    TLoggingHost Host{Process.Log};
};

TEST_F(ResidentStart, ASecondStartWakesTheFirstCopysWindowAndEndsLeavingItsFilesAlone) {
    Desktop.AddTopLevel("Other");
    WindowId first = Desktop.AddTopLevel(MainWindowClassName);
    Desktop.Window(first).Iconic = true;
    Desktop.AddTopLevel("Another");
    Process.HoldMutexElsewhere(InstanceMutexName);

    EXPECT_EQ(Run(), TResidentOutcome::HandedOver);
    EXPECT_EQ(Desktop.Foreground(), first);
    EXPECT_EQ(Process.Log, (std::vector<std::string>{"restore", "request 4660"}));
    EXPECT_EQ(Desktop.Window(first).Received, std::vector<std::string>{"sent 4660"});
    EXPECT_FALSE(Process.HoldsMutex());
    EXPECT_TRUE(Files.FileExists(Temporary));

    Desktop.Destroy(first);
    Process.Log.clear();
    EXPECT_EQ(Run(), TResidentOutcome::HandedOver);
    EXPECT_TRUE(Process.Log.empty());
}

TEST_F(ResidentStart, AStartWhoseMutexWasMadeMeanwhileByAnotherStartHandsOverAsASecondStartDoes) {
    WindowId first = Desktop.AddTopLevel(MainWindowClassName);
    Process.MakeMutexElsewhereBeforeCreation(InstanceMutexName);

    EXPECT_EQ(Run(), TResidentOutcome::HandedOver);
    EXPECT_EQ(Process.Log, (std::vector<std::string>{"mutex found made", "request 4660"}));
    EXPECT_EQ(Desktop.Window(first).Received, std::vector<std::string>{"sent 4660"});
    EXPECT_FALSE(Process.HoldsMutex());
    EXPECT_TRUE(Files.FileExists(Temporary));
}

TEST_F(ResidentStart, TheFirstCopyWaitsIdleThenMakesItsWindowInRealTimeAndLivesIdle) {
    Files.AddFile("C:\\Tools\\wyndrel.ini",
                  "[Option]\r\nIsUseDelay=True\r\nDeleyWaitTime=250\r\nIsIconic=True\r\n");
    Ui.SetApplicationTitle("other");

    EXPECT_EQ(Run(), TResidentOutcome::Ran);
    EXPECT_EQ(Process.Log, (std::vector<std::string>{
                               "mutex created", "priority Idle",
                               "sleep 250",  // sleep-ok: the fake records the delay, nothing sleeps
                               "priority RealTime", "thread TimeCritical", "window hidden",
                               "thread Normal", "priority Idle", "loop", "mutex released"}));
    EXPECT_EQ(Ui.ApplicationTitle(), "Wyndrel");
    EXPECT_EQ(Locale.LongMonthNames[0], "January");
    EXPECT_FALSE(Files.FileExists(Temporary));

    Files.AddFile("C:\\Tools\\wyndrel.ini", "[Option]\r\nIsUseDelay=True\r\nDeleyWaitTime=-5\r\n");
    Process.Log.clear();
    Run();
    EXPECT_EQ(Process.Log[2], "sleep 0");  // sleep-ok: recorded by the fake
    EXPECT_EQ(Process.Log[5], "window shown");
}

// After a crash or a lost session the snapshot of that session is gone before the window is
// made; one written in this session is there for put in order until the program ends.
TEST_F(ResidentStart, ASnapshotFromBeforeTheSystemStartedIsDeletedAtTheStartAndOneFromSinceIsKept) {
    Process.StartTime = 1000;
    bool presentWhileRunning = true;
    TLoggingHost host(Process.Log);
    host.OnLoop = [&] { presentWhileRunning = Files.FileExists(Temporary); };
    Files.SetLastWriteTime(Temporary, 999);
    settings::TIniAccess ini(Files);
    ini.IniFileName = "C:\\Tools\\wyndrel.ini";
    RunResident({Desktop, Process, Ui, Files}, ini, Locale,
                settings::TSettingsFolder("C:\\Tools\\", "wyndrel.ini"), host);
    EXPECT_FALSE(presentWhileRunning);

    Files.AddFile(Temporary, "x");
    Files.SetLastWriteTime(Temporary, 1000);
    RunResident({Desktop, Process, Ui, Files}, ini, Locale,
                settings::TSettingsFolder("C:\\Tools\\", "wyndrel.ini"), host);
    EXPECT_TRUE(presentWhileRunning);
    EXPECT_FALSE(Files.FileExists(Temporary));
}

}  // namespace
}  // namespace wyndrel::app
