// The main window's life: creation, every show, its commands, closing and destruction.
#include "app/main_window.h"

#include "app/main_window_form.h"
#include "app/main_window_ids.h"
#include "app/main_window_rules.h"
#include "platform/work_area.h"
#include "settings/setting_keys.h"
#include "settings/settings_writer.h"

namespace wyndrel::app {
namespace {

// The real-time class while a handler of the window runs, idle again however it ends. No
// step inside waits for anything.
class TRealTimeScope {
public:
    explicit TRealTimeScope(IResidentProcess& process) : FProcess(process) {
        FProcess.SetOwnPriority(TPriorityClass::RealTime);
    }
    ~TRealTimeScope() { FProcess.SetOwnPriority(TPriorityClass::Idle); }
    TRealTimeScope(const TRealTimeScope&) = delete;
    TRealTimeScope& operator=(const TRealTimeScope&) = delete;

private:
    IResidentProcess& FProcess;
};

std::vector<int> TabOrder(const ui::TFormSpec& form) {
    std::vector<int> ids;
    for (const ui::TControlSpec& control : form.Controls) ids.push_back(control.Id);
    return ids;
}

}  // namespace

TfrmWyndrel::TfrmWyndrel(TMainWindowPorts ports, widgets::TTaskTray& tray,
                         widgets::TSKGradationG& grad, ui::TCommandTable& commands, THelpFiles help,
                         std::string snapshotPath)
    : FPorts(ports),
      FTray(tray),
      FGrad(grad),
      FCommands(commands),
      FHelp(std::move(help)),
      FSnapshotPath(std::move(snapshotPath)),
      FForm(MainWindowForm()),
      FFocus(FPorts.View, TabOrder(FForm)) {
    FGrad.SetHint(GradientBarHint);
    FGrad.OnMouseDown = [this](auto&, widgets::TMouseButton button, auto, int, int) {
        OnGradMouseDown(button);
    };
    FGrad.OnMouseUp = [this](auto&, widgets::TMouseButton button, auto, int, int) {
        OnGradMouseUp(button);
    };
    FTray.OnIconAdded = [this] { OnTrayIconAdded(); };
    RegisterCommands();
    FCommands.OnBusyChanged([this] { ShowAvailability(); });
}

void TfrmWyndrel::RegisterCommands() {
    using namespace ids;
    FCommands.Add(btnChangeView, [this] { SetViewMode(NextViewMode(FViewMode)); });
    const std::pair<int, TViewMode> shapes[] = {
        {mpCVNrml, TViewMode::Normal},     {pmVNorm, TViewMode::Normal},
        {mpCVHorz, TViewMode::Horizontal}, {pmVHorz, TViewMode::Horizontal},
        {mpCVVert, TViewMode::Vertical},   {pmVVert, TViewMode::Vertical}};
    for (const auto& [id, mode] : shapes) FCommands.Add(id, [this, mode] { ChooseViewMode(mode); });
    FCommands.Add(mpCVIcon, [this] { ChooseIconMode(); });
    FCommands.Add(pmVIcon, [this] { ChooseIconMode(); });
    FCommands.Add(pmVMostTop, [this] { SetMostTop(!FMostTop); });
    FCommands.Add(WindowMenuMostTop, [this] { SetMostTop(!FMostTop); });
    FCommands.Add(pmMinimize, [this] { ToggleMinimized(); });
    FCommands.Add(pmShowWindow, [this] { ToggleVisible(); });
    FCommands.Add(btnClose, [this] { FPorts.Frame.Quit(); });
    FCommands.Add(pmQuit, [this] { FPorts.Frame.Quit(); });
    FCommands.Add(cmdCloseRequest, [this] {
        if (FormCloseQuery()) FPorts.Frame.DestroyWindow();
    });
    FCommands.Add(cmdDropFiles, [this] { RestoreDroppedBatches(); });
}

// The buttons of commands that cannot run now are disabled, so no click goes unanswered.
// A focused button that is disabled lends the focus to the next enabled one and has it back
// when it is enabled again.
void TfrmWyndrel::ShowAvailability() {
    FFocus.BeforeEnabling();
    for (const ui::TControlSpec& control : FForm.Controls)
        if (FCommands.Has(control.Id))
            FPorts.View.SetEnabled(control.Id, FCommands.Available(control.Id));
    FFocus.AfterEnabling();
}

void TfrmWyndrel::FormCreate() {
    using namespace settings::keys;
    {
        TRealTimeScope realTime(FPorts.Process);
        settings::TSettingsFile settings = FPorts.Ini.SettingsFile();
        FTray.SetTipString(TrayTip);
        FTray.SetIconID(TrayIconId);
        ShowTrayIcon();
        SetViewMode(ViewModeAtStart(settings.Read(UserWindowMode), settings.Read(LastWindowMode)));
        PlaceAtStart(settings);
        if (FPorts.Ini.Read(IsMinimizedOnStart)) FPorts.Frame.MinimizeApplication();
        FPorts.Frame.AcceptFiles();
    }
    if (FPorts.Ini.Read(IsMostTop)) SetMostTop(true);
    FPorts.View.SetFocus(ids::btnRead);
    if (FPorts.Ini.Read(IsIconic)) HideToTray();
    FCreated = true;
}

void TfrmWyndrel::PlaceAtStart(settings::TSettingsFile& settings) {
    const TStartWindowMetrics metrics = FPorts.Frame.Metrics();
    auto start = StartWindowPosition(settings, metrics);
    if (!start) return;
    if (!start->Stored) {
        FPorts.Frame.MoveTo(start->Position);
        return;
    }
    // A stored place may lie on a monitor removed since: the window then comes onto the
    // nearest one; a window still partly visible stays exactly where it was.
    TWindowBox box{start->Position.X, start->Position.Y, metrics.OuterWidth, metrics.OuterHeight};
    TWindowBox moved = MoveOntoNearestWorkArea(box, FPorts.Frame.Monitors());
    FPorts.Frame.MoveTo({moved.Left, moved.Top});
}

void TfrmWyndrel::OnShow() {
    using namespace settings::keys;
    TRealTimeScope realTime(FPorts.Process);
    RefreshWindowMenu(FPorts.Frame.WindowMenu(), HelpFileToShow(FHelp, FPorts.Files).has_value());
    SetMostTop(FMostTop);
    if (!FPorts.Ini.Read(IsIconic) && FPorts.Ini.Read(IsGetFocusOnStart)) {
        FPorts.Frame.BringForward();
        FFocus.Restore();
    }
    FPorts.Frame.Repaint();
}

void TfrmWyndrel::OnControl(const ui::TControlEvent& event) {
    if (event.Kind == ui::TControlEventKind::Click) FCommands.Dispatch(event.Id);
}

// The tick is skipped, not kept, while a popup menu is open.
void TfrmWyndrel::OnTimer(int timerId) {
    if (timerId == ids::TimAutoSave && !FMenuShowing) FCommands.Dispatch(ids::cmdAutoSaveTick);
    if (timerId == ids::TimTrayRetry) RetryTrayIcon();
    if (timerId == ids::TimLastSession) FCommands.Dispatch(ids::cmdKeepLastSession);
    if (timerId == ids::TimDisplaySettle) FCommands.Dispatch(ids::cmdDisplaySettled);
}

bool TfrmWyndrel::OnSysCommand(std::uint32_t id) {
    if (id < ids::WindowMenuOptions || id > ids::WindowMenuHelp) return false;
    FCommands.Dispatch(static_cast<int>(id));
    return true;
}

void TfrmWyndrel::OnDropFiles(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    FDropped.push_back(paths);
    FCommands.Dispatch(ids::cmdDropFiles);
}

// Each drop keeps its own rule: a restore that ends with the silent abort skips the rest of
// that drop, not the drops that came after it.
void TfrmWyndrel::RestoreDroppedBatches() {
    while (!FDropped.empty()) {
        std::vector<std::string> batch = std::move(FDropped.front());
        FDropped.pop_front();
        RestoreDroppedFiles(
            batch, [this](const std::string& path) { FPorts.Restore.RestoreLayout(path); });
    }
}

void TfrmWyndrel::OnCloseRequest() { FCommands.Dispatch(ids::cmdCloseRequest); }

bool TfrmWyndrel::FormCloseQuery() {
    using settings::keys::CloseNoExit;
    bool closeNoExit = FPorts.Ini.Read(CloseNoExit);
    switch (
        CloseQuery(FPorts.Frame.QuitRequested(), closeNoExit, FPorts.View.Visible(ui::FormId))) {
        case TCloseAnswer::HideInstead:
            FPorts.View.Hide();
            return false;
        case TCloseAnswer::Quit:
            FPorts.Frame.Quit();
            return true;
        case TCloseAnswer::Close:
            break;
    }
    return true;
}

// The settings are written before anything else of the program is released, so a failure
// there cannot lose them.
// A window whose creation failed never started: it keeps nothing of itself over the user's
// values. The state is written once, also when the session's end came first; only an end
// that is not the session's is the user's quit.
void TfrmWyndrel::FormDestroy() {
    FTray.SetRegistered(false);
    if (FCreated && !FExitStateWritten) {
        WriteExitState(FPorts.Ini, FPorts.Frame.Metrics().Current, FViewMode,
                       FPorts.AutoSaveTimer.Enabled());
        if (!FSessionEnding)
            settings::TSettingsWriter(FPorts.Ini, settings::TWriteFailure::Ignore)
                .Write(settings::keys::QuitByUser, true);
    }
    FExitStateWritten = true;
    FPorts.Frame.Quit();
}

// Before any editor is asked to close, the last session is kept as it stands. Nothing may
// hold the end up: a capture that fails leaves the file as the last minute wrote it.
void TfrmWyndrel::OnQueryEndSession() {
    try {
        FCommands.Dispatch(ids::cmdKeepLastSessionAtEnd);
    } catch (const std::exception&) {
    }
}

// The system may end the process as soon as this returns, whatever command runs: what a quit
// does is done now.
void TfrmWyndrel::OnEndSession() {
    FSessionEnding = true;
    FormDestroy();
    if (!FSnapshotPath.empty() && FPorts.Files.FileExists(FSnapshotPath))
        FPorts.Files.RemoveFile(FSnapshotPath);
}

}  // namespace wyndrel::app
