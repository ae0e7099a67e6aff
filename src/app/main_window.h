// TfrmWyndrel, the main window's presenter: start-up and show, the three shapes and icon
// mode, most-top, the window menu, dropped files, closing, the keyboard focus, and the
// gradient bar standing in for the title bar. Every command reaches its action through the window's
// command table, where the parts that carry them out have registered them.
#pragma once

#include "app/layout_restore.h"
#include "app/main_window_frame.h"
#include "app/main_window_ids.h"
#include "app/view_mode.h"
#include "platform/files.h"
#include "platform/help_file.h"
#include "platform/resident_process.h"
#include "platform/timer.h"
#include "settings/ini_access.h"
#include "ui/command_table.h"
#include "ui/focus_keeper.h"
#include "ui/form.h"
#include "ui/view.h"
#include "widgets/sk_gradation.h"
#include "widgets/task_tray.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace wyndrel::app {

struct TMainWindowPorts {
    ui::IView& View;
    IMainWindowFrame& Frame;
    IResidentProcess& Process;
    IFiles& Files;
    settings::TIniAccess& Ini;
    ITimer& AutoSaveTimer;
    ILayoutRestore& Restore;
    // Offers the tray icon again while the shell refuses it.
    ITimer& TrayRetryTimer;
};

// While the shell refuses the tray icon, it is offered again this often, this many times
// (two minutes); the shell's "TaskbarCreated" brings it back at any time after that.
inline constexpr std::uint32_t TrayRetryIntervalMs = 4000;
inline constexpr int TrayRetryCount = 30;

class TfrmWyndrel : public ui::IFormEvents {
public:
    // Registers the window's own commands (shapes, most-top, minimising and showing, quit,
    // the close request, dropped files) in `commands`, and shows the buttons of commands
    // that are not available while another one runs disabled.
    TfrmWyndrel(TMainWindowPorts ports, widgets::TTaskTray& tray, widgets::TSKGradationG& grad,
                ui::TCommandTable& commands, THelpFiles help, std::string snapshotPath);

    // A shell that refuses the tray icon does not stop the start: the icon is offered again,
    // and a window that would live in the tray alone is shown until the icon is there.
    void FormCreate();
    void OnShow() override;  // FormShow
    void OnControl(const ui::TControlEvent& event) override;
    // A tick while a popup menu is open is skipped; one while another command runs waits.
    void OnTimer(int timerId) override;
    // False for identifiers the platform's own handling takes.
    bool OnSysCommand(std::uint32_t id);
    void OnShowRequest() { FPorts.View.Show(); }
    // The window was activated or deactivated: the focused control is kept and comes back.
    // True when a control has the focus now.
    bool OnActivate(bool active) { return FFocus.OnActivate(active); }
    // Restored in the order dropped, after the command that runs now.
    void OnDropFiles(const std::vector<std::string>& paths);
    // The close box, Alt+F4, the window menu's close or a command's close: carried out once
    // no other command runs.
    void OnCloseRequest();
    // True when the window may close.
    bool FormCloseQuery();
    void FormDestroy();
    // The session is about to end: the last session is kept; the end is never held up.
    void OnQueryEndSession();
    // The display configuration or a monitor's work area changed.
    void OnDisplayChange() { FCommands.Dispatch(ids::cmdDisplayChanged); }
    // The session ends (log-off, shut-down, restart): the exit state written, the icon
    // removed and the scatter snapshot deleted before the system ends the process.
    void OnEndSession();

    // A right click on btnChangeView: the change-view popup at the cursor.
    void OnChangeViewPopup();
    void SetViewMode(TViewMode mode);
    void SetMostTop(bool on);
    // The change-view choices (popup and tray submenu), icon mode and the tray's entries.
    void ChooseViewMode(TViewMode mode);
    void ChooseIconMode();
    void ToggleMinimized();
    void ToggleVisible();

    void AppEventsActivate();
    void AppEventsDeactivate();
    void ActivateTitleColors();
    void DeactivateTitleColors();

    // Opens a menu of the tray icon or the bar at the cursor, its entries of commands not
    // available now disabled, and waits until it closes: FMenuShowing is set meanwhile. The
    // chosen entry's id, or none.
    std::optional<int> TrackMenu(ui::TMenuModel menu);
    ui::TCommandTable& Commands() { return FCommands; }

    TViewMode ViewMode() const { return FViewMode; }
    bool MostTop() const { return FMostTop; }
    bool MenuShowing() const { return FMenuShowing; }
    static ui::TMenuModel ChangeViewMenu();

private:
    void RegisterCommands();
    void RestoreDroppedBatches();
    void ShowAvailability();
    void PlaceAtStart(settings::TSettingsFile& settings);
    void ShowTrayIcon();
    void RetryTrayIcon();
    void OnTrayIconAdded();
    void HideToTray();
    void SetTitleColors(TCaptionColor start, TCaptionColor end, bool blackFallback);
    void OnGradMouseDown(widgets::TMouseButton button);
    void OnGradMouseUp(widgets::TMouseButton button);

    TMainWindowPorts FPorts;
    widgets::TTaskTray& FTray;
    widgets::TSKGradationG& FGrad;
    ui::TCommandTable& FCommands;
    THelpFiles FHelp;
    std::string FSnapshotPath;
    ui::TFormSpec FForm;
    ui::TFocusKeeper FFocus;
    std::deque<std::vector<std::string>> FDropped;
    TViewMode FViewMode = TViewMode::Normal;
    bool FMostTop = false;
    bool FMenuShowing = false;
    bool FActivateAttached = true;
    bool FCreated = false;
    int FTrayRetriesLeft = 0;
    // The window would be hidden in the tray, but is shown while the icon is not there.
    bool FShownForMissingIcon = false;
    bool FExitStateWritten = false;
    bool FSessionEnding = false;
};

}  // namespace wyndrel::app
