// The auto-save timer's switching and the commands of the tray's auto-save submenu.
#include "app/auto_save_schedule.h"

#include "app/auto_save_interval.h"
#include "app/main_window_ids.h"
#include "settings/setting_keys.h"
#include "settings/settings_writer.h"

namespace wyndrel::app {
namespace {

// Puts the timer's enabled state back however the command ends; a timer that runs again
// counts a full interval from then.
class TTimerPause {
public:
    explicit TTimerPause(ITimer& timer) : FTimer(timer), FWasEnabled(timer.Enabled()) {
        FTimer.Stop();
    }
    ~TTimerPause() {
        if (FWasEnabled) FTimer.Start(FTimer.Interval());
    }
    TTimerPause(const TTimerPause&) = delete;
    TTimerPause& operator=(const TTimerPause&) = delete;

private:
    ITimer& FTimer;
    bool FWasEnabled;
};

}  // namespace

TAutoSaveSchedule::TAutoSaveSchedule(ITimer& timer, settings::TIniAccess& ini,
                                     ui::IInputBox& inputBox, TAutoSaveSlots slots,
                                     ui::TCommandTable& commands)
    : FTimer(timer), FIni(ini), FInputBox(inputBox), FSlots(std::move(slots)) {
    StartAutoSaveTimer();
    commands.Add(ids::cmdAutoSaveTick, [this] { TimAutoSaveTimer(); });
    commands.Add(ids::pmASEnable, [this] { pmASEnableClick(); });
    commands.Add(ids::pmASetInterval, [this] { pmASetIntervalClick(); });
    commands.Add(ids::pmASaveNow, [this] { pmASaveNowClick(); });
    commands.Add(ids::pmAEditList, [this] { pmAEditListClick(); });
    commands.Add(ids::pmAOption, [this] { pmAOptionClick(); });
}

void TAutoSaveSchedule::StartAutoSaveTimer() {
    using namespace settings::keys;
    settings::TSettingsFile settings = FIni.SettingsFile();
    const std::int32_t atStart = settings.Read(AutoSaveAtAppStart);
    const std::int32_t seconds = settings.Read(AutoSaveInterval);
    // A timer of no interval never ticks: it starts off, so the tray does not show it on.
    const bool enabled =
        seconds > 0 && (atStart == 2 || (atStart == 1 && FIni.Read(AutoSaveLastEnable)));
    const std::uint32_t interval = IntervalMs(seconds);
    if (enabled)
        FTimer.Start(interval);
    else {
        FTimer.Stop();
        FTimer.SetInterval(interval);
    }
}

void TAutoSaveSchedule::TimAutoSaveTimer() {
    if (FSlots.MenuShowing && FSlots.MenuShowing()) return;
    if (FSlots.RunPass) FSlots.RunPass();
}

void TAutoSaveSchedule::pmASEnableClick() {
    if (FTimer.Enabled())
        FTimer.Stop();
    else
        FTimer.Start(FTimer.Interval());
}

void TAutoSaveSchedule::pmASaveNowClick() {
    if (FSlots.RunPass) FSlots.RunPass();
}

void TAutoSaveSchedule::pmASetIntervalClick() {
    TTimerPause pause(FTimer);
    std::optional<std::string> text = FInputBox.InputQuery(
        IntervalCaption, IntervalPrompt, std::to_string(FTimer.Interval() / 1000));
    while (text) {
        const TIntervalAnswer answer = CheckInterval(*text);
        if (answer.Check == TIntervalCheck::Valid) return ApplyInterval(answer.Seconds);
        text = FInputBox.InputQuery(IntervalCaption, IntervalRetryPrompt, *text);
    }
}

void TAutoSaveSchedule::ApplyInterval(std::int32_t seconds) {
    using settings::keys::AutoSaveInterval;
    // An interval the file refuses is not kept; the timer takes it all the same.
    settings::TSettingsWriter(FIni, settings::TWriteFailure::Ignore)
        .Write(AutoSaveInterval, seconds);
    FTimer.SetInterval(IntervalMs(seconds));
}

// The dialog writes its last sheet when it closes; the user's own choice is put back after.
void TAutoSaveSchedule::OpenOptionsAt(int sheet) {
    using settings::keys::LastSheet;
    const std::int32_t kept = FIni.Read(LastSheet);
    // A sheet the file refuses is not kept: the dialog then opens where it last closed.
    settings::TSettingsWriter ignoring(FIni, settings::TWriteFailure::Ignore);
    ignoring.Write(LastSheet, sheet);
    if (FSlots.OpenOptions) FSlots.OpenOptions();
    ignoring.Write(LastSheet, kept);
}

}  // namespace wyndrel::app
