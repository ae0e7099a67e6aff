// The auto-save schedule on a fake timer and settings: the timer's state at creation, ticks
// skipped under a menu, the switch, the interval box's answers, and the options shortcuts.
#include "app/auto_save_interval.h"
#include "app/auto_save_schedule.h"
#include "app/main_window_commands.h"
#include "fakes/fake_files.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_view.h"
#include "platform/silent_abort.h"

#include <gtest/gtest.h>

#include <deque>

namespace wyndrel::app {
namespace {

// Answers each box from a script (none for Cancel) and records what it was shown.
class TScriptedInputBox : public ui::IInputBox {
public:
    struct TShown {
        std::string Caption, Prompt, Text;
        bool TimerEnabled = false;
    };
    explicit TScriptedInputBox(const ITimer& timer) : FTimer(timer) {}
    std::deque<std::optional<std::string>> Answers;
    std::vector<TShown> Shown;

    std::optional<std::string> InputQuery(const std::string& caption, const std::string& prompt,
                                          const std::string& text) override {
        Shown.push_back({caption, prompt, text, FTimer.Enabled()});
        auto answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

private:
    const ITimer& FTimer;
};

class AutoSaveSchedule : public ::testing::Test {
protected:
    AutoSaveSchedule() {
        Ini.IniFileName = IniPath;
        Timer.OnTick([this] { Schedule.TimAutoSaveTimer(); });
    }
    void Create(const std::string& settings) {
        Files.AddFile(IniPath, settings);
        Schedule.StartAutoSaveTimer();
    }
    std::string Setting(const char* section, const char* key) {
        return Ini.ReadIniString(section, key, "-");
    }

    const std::string IniPath = "C:\\Tools\\wyndrel.ini";
    fakes::TFakeFiles Files;
    settings::TIniAccess Ini{Files};
    fakes::TFakeTimer Timer;
    TScriptedInputBox Box{Timer};
    int Passes = 0;
    bool MenuOpen = false;
    std::vector<std::string> OptionsOpenedAt;
    bool OptionsFail = false;
    ui::TCommandTable Table{MainWindowCommandRule};
    TAutoSaveSchedule Schedule{Timer,
                               Ini,
                               Box,
                               {[this] { ++Passes; }, [this] { return MenuOpen; },
                                [this] {
                                    if (OptionsFail) throw ESilentAbort();
                                    OptionsOpenedAt.push_back(Setting("Option", "LastSheet"));
                                }},
                               Table};
};

TEST_F(AutoSaveSchedule, StartsOnOrOffAsAtAppStartAndLastEnableSayWithTheStoredInterval) {
    struct TCase {
        std::string Settings;
        bool Enabled;
        std::uint32_t Interval;
    };
    const std::vector<TCase> cases = {
        {"", false, 1800000},
        {"[AutoSave]\r\nAtAppStart=1\r\nLastEnable=True\r\nInterval=60\r\n", true, 60000},
        {"[AutoSave]\r\nAtAppStart=1\r\nLastEnable=False\r\n", false, 1800000},
        {"[AutoSave]\r\nAtAppStart=2\r\nInterval=0\r\n", false, 0},
        {"[AutoSave]\r\nAtAppStart=3\r\nLastEnable=True\r\n", false, 1800000},
        {"[AutoSave]\r\nAtAppStart=2\r\nInterval=-5\r\n", false, 0},
        {"[AutoSave]\r\nAtAppStart=1\r\nLastEnable=True\r\nInterval=0\r\n", false, 0},
        {"[AutoSave]\r\nAtAppStart=2\r\nInterval=2147483647\r\n", true, 4294967295u},
    };
    for (const TCase& test : cases) {
        Files.AddFile(IniPath, test.Settings);
        Schedule.StartAutoSaveTimer();
        EXPECT_EQ(Timer.Enabled(), test.Enabled) << test.Settings;
        EXPECT_EQ(Timer.Interval(), test.Interval) << test.Settings;
    }
    // An interval of 0 would never tick: the timer starts off, as the tray then shows it.
    Timer.AdvanceTime(5000000);
    EXPECT_EQ(Passes, 0);
}

TEST_F(AutoSaveSchedule, RunsAPassEachIntervalSkipsTicksUnderAMenuAndSavesNowWhenOff) {
    Create("[AutoSave]\r\nAtAppStart=2\r\nInterval=10\r\n");
    Timer.AdvanceTime(10000);
    EXPECT_EQ(Passes, 1);
    MenuOpen = true;
    Timer.AdvanceTime(10000);
    MenuOpen = false;
    EXPECT_EQ(Passes, 1);  // not made up once the menu has closed
    Timer.AdvanceTime(9999);
    EXPECT_EQ(Passes, 1);
    Timer.AdvanceTime(1);
    EXPECT_EQ(Passes, 2);

    Schedule.pmASEnableClick();
    EXPECT_FALSE(Schedule.Enabled());
    Timer.AdvanceTime(30000);
    EXPECT_EQ(Passes, 2);
    Schedule.pmASaveNowClick();
    EXPECT_EQ(Passes, 3);
    Schedule.pmASEnableClick();  // a full interval from now
    Timer.AdvanceTime(9999);
    EXPECT_EQ(Passes, 3);
    Timer.AdvanceTime(1);
    EXPECT_EQ(Passes, 4);
}

TEST_F(AutoSaveSchedule, AsksAgainUntilTheIntervalIsValidThenStoresItWithTheTimerPaused) {
    Create("[AutoSave]\r\nAtAppStart=2\r\nInterval=90\r\n");
    Timer.AdvanceTime(50000);
    const std::vector<std::string> answers = {"0", "2147484", "+5", " 5", "５", "", "0060"};
    Box.Answers.assign(answers.begin(), answers.end());
    Schedule.pmASetIntervalClick();
    ASSERT_EQ(Box.Shown.size(), 7u);
    EXPECT_EQ(Box.Shown[0].Caption, "自動保存間隔の入力");
    EXPECT_EQ(Box.Shown[0].Prompt, "自動保存間隔を秒で入力して下さい");
    EXPECT_EQ(Box.Shown[0].Text, "90");
    EXPECT_FALSE(Box.Shown[0].TimerEnabled);
    for (std::size_t i = 1; i < Box.Shown.size(); ++i) {
        EXPECT_EQ(Box.Shown[i].Caption, "自動保存間隔の入力");
        EXPECT_EQ(Box.Shown[i].Prompt, "自然数(1～2147483)で秒を入力して下さい");
        EXPECT_EQ(Box.Shown[i].Text, answers[i - 1]);  // the text as last entered
        EXPECT_FALSE(Box.Shown[i].TimerEnabled);
    }
    EXPECT_EQ(Setting("AutoSave", "Interval"), "60");
    EXPECT_TRUE(Timer.Enabled());
    EXPECT_EQ(Timer.Interval(), 60000u);
    Timer.AdvanceTime(59999);
    EXPECT_EQ(Passes, 0);
    Timer.AdvanceTime(1);
    EXPECT_EQ(Passes, 1);

    Box.Answers = {"2147483"};
    Schedule.pmASetIntervalClick();
    EXPECT_EQ(Setting("AutoSave", "Interval"), "2147483");
    EXPECT_EQ(Timer.Interval(), 2147483000u);
}

TEST_F(AutoSaveSchedule, CancelOrAConversionErrorChangesNothingButRestartsARunningTimer) {
    Create("[AutoSave]\r\nAtAppStart=2\r\nInterval=100\r\n");
    Timer.AdvanceTime(90000);
    Box.Answers = {std::nullopt};
    Schedule.pmASetIntervalClick();
    EXPECT_TRUE(Timer.Enabled());
    Timer.AdvanceTime(99999);  // counted anew from the cancel
    EXPECT_EQ(Passes, 0);

    Box.Answers = {"abc", std::nullopt};
    Schedule.pmASetIntervalClick();
    Box.Answers = {"99999999999"};
    try {
        Schedule.pmASetIntervalClick();
        ADD_FAILURE() << "no conversion error";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'99999999999' は整数ではありません");
    }
    EXPECT_TRUE(Timer.Enabled());
    EXPECT_EQ(Timer.Interval(), 100000u);
    EXPECT_EQ(Setting("AutoSave", "Interval"), "100");

    Schedule.pmASEnableClick();
    Box.Answers = {"30"};
    Schedule.pmASetIntervalClick();
    EXPECT_FALSE(Timer.Enabled());
    EXPECT_EQ(Timer.Interval(), 30000u);
}

TEST_F(AutoSaveSchedule, OpensTheOptionsOnTheAutoSaveSheetsAndPutsTheUsersSheetBack) {
    Create("[Option]\r\nLastSheet=2\r\n");
    Schedule.pmAEditListClick();
    Schedule.pmAOptionClick();
    EXPECT_EQ(OptionsOpenedAt, (std::vector<std::string>{"4", "5"}));
    EXPECT_EQ(Setting("Option", "LastSheet"), "2");

    // A dialog that fails leaves its sheet behind.
    OptionsFail = true;
    EXPECT_THROW(Schedule.pmAOptionClick(), ESilentAbort);
    EXPECT_EQ(Setting("Option", "LastSheet"), "5");
}

}  // namespace
}  // namespace wyndrel::app
