// TfrmWyndrel, the main window's presenter: start-up and show, the three shapes and icon
// mode, most-top, the window menu, dropped files, closing, and the gradient bar standing in
// for the title bar. Commands of other features arrive through handler slots.
#pragma once

#include "app/main_window_frame.h"
#include "app/view_mode.h"
#include "platform/files.h"
#include "platform/resident_process.h"
#include "platform/timer.h"
#include "settings/ini_access.h"
#include "ui/command_gate.h"
#include "ui/form.h"
#include "ui/view.h"
#include "widgets/sk_gradation.h"
#include "widgets/task_tray.h"

#include <functional>
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
};

// The commands behind buttons and menus that other parts of the program provide; an empty
// slot does nothing. The window runs each under its gate, except the layout commands (Read,
// Save, Situate, ReadAndClose, SaveAndClose), which take the gate `TfrmWyndrel::Gate()`
// themselves because the tray menu reaches them too.
struct TMainWindowHandlers {
    std::function<void()> Read, Save, Situate, Options, About, Scatter, Help, ReadAndClose, SaveAndClose;
    std::function<void(const std::string& path)> LoadLayout;
    std::function<void(Point at)> TrayMenu;
    std::function<void()> BuildFavoritesMenu, StartAutoSaveTimer;
    // The tray's put-in-order and auto-save entries, and the auto-save timer's tick.
    std::function<void()> PutInOrder, AutoSaveTick, AutoSaveEnable, AutoSaveNow, AutoSaveInterval, AutoSaveEditList,
        AutoSaveOptions;
};

class TfrmWyndrel : public ui::IFormEvents {
public:
    TfrmWyndrel(TMainWindowPorts ports, widgets::TTaskTray& tray, widgets::TSKGradationG& grad,
                TMainWindowHandlers handlers, std::string helpFileName);

    void FormCreate();
    void OnShow() override;  // FormShow
    void OnControl(const ui::TControlEvent& event) override;
    // A tick that falls due while a command runs is dropped, so a pass never runs inside another.
    void OnTimer(int timerId) override;
    // False for identifiers the platform's own handling takes.
    bool OnSysCommand(std::uint32_t id);
    void OnShowRequest() { FPorts.View.Show(); }
    void OnDropFiles(const std::vector<std::string>& paths);
    // True when the window may close.
    bool FormCloseQuery();
    void FormDestroy();

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

    // While a command of the window runs (a dialog or the list is open, a restore waits) no
    // other command of it runs.
    ui::TCommandGate& Gate() { return FGate; }
    // A long command handles pending messages; one that arrives meanwhile is dropped.
    void Run(const std::function<void()>& command);
    // Opens a menu of the tray icon or the bar at the cursor and waits until it closes:
    // FMenuShowing is set meanwhile. The chosen entry's id, or none.
    std::optional<int> TrackMenu(const ui::TMenuModel& menu);
    const TMainWindowHandlers& Handlers() const { return FHandlers; }

    TViewMode ViewMode() const { return FViewMode; }
    bool MostTop() const { return FMostTop; }
    bool MenuShowing() const { return FMenuShowing; }
    static ui::TMenuModel ChangeViewMenu();

private:
    void PlaceAtStart(settings::TSettingsFile& settings);
    void SetTitleColors(TCaptionColor start, TCaptionColor end, bool blackFallback);
    void OnGradMouseDown(widgets::TMouseButton button);
    void OnGradMouseUp(widgets::TMouseButton button);

    TMainWindowPorts FPorts;
    widgets::TTaskTray& FTray;
    widgets::TSKGradationG& FGrad;
    TMainWindowHandlers FHandlers;
    std::string FHelpFileName;
    ui::TFormSpec FForm;
    ui::TCommandGate FGate;
    TViewMode FViewMode = TViewMode::Normal;
    bool FMostTop = false;
    bool FMenuShowing = false;
    bool FActivateAttached = true;
};

}  // namespace wyndrel::app
