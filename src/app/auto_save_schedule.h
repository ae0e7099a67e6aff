// When the auto-save pass runs: the main window's timer, set up at creation and switched from
// the tray menu, the interval the user types in seconds, a pass at once, and the two ways
// into the options dialog's auto-save sheets.
#pragma once

#include "platform/timer.h"
#include "settings/ini_access.h"
#include "ui/command_table.h"
#include "ui/input_box.h"

#include <functional>

namespace wyndrel::app {

// The options dialog's sheets that the two shortcuts open.
inline constexpr int AutoSaveListSheet = 4;
inline constexpr int AutoSaveSettingsSheet = 5;

struct TAutoSaveSlots {
    std::function<void()> RunPass;      // one auto-save pass; may end with the silent abort
    std::function<bool()> MenuShowing;  // a popup menu from the tray or the title bar is open
    std::function<void()> OpenOptions;  // the options dialog, modal, on the sheet LastSheet names
};

class TAutoSaveSchedule {
public:
    // Starts the timer as the settings say, and registers the tick and the auto-save entries
    // in the main window's `commands`.
    TAutoSaveSchedule(ITimer& timer, settings::TIniAccess& ini, ui::IInputBox& inputBox,
                      TAutoSaveSlots slots, ui::TCommandTable& commands);

    // On as AtAppStart (and LastEnable) say, Interval seconds; off whatever they say when
    // Interval is 0 or less.
    void StartAutoSaveTimer();
    // A tick while a popup menu is open is skipped, not made up later.
    void TimAutoSaveTimer();
    void pmASEnableClick();
    void pmASaveNowClick();
    void pmASetIntervalClick();
    void pmAEditListClick() { OpenOptionsAt(AutoSaveListSheet); }
    void pmAOptionClick() { OpenOptionsAt(AutoSaveSettingsSheet); }

    // "有効にする(&E)" is checked while this holds.
    bool Enabled() const { return FTimer.Enabled(); }

private:
    void ApplyInterval(std::int32_t seconds);
    void OpenOptionsAt(int sheet);

    ITimer& FTimer;
    settings::TIniAccess& FIni;
    ui::IInputBox& FInputBox;
    TAutoSaveSlots FSlots;
};

}  // namespace wyndrel::app
