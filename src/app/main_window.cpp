// The main window's life: creation, every show, its commands, closing and destruction.
#include "app/main_window.h"

#include "app/main_window_form.h"
#include "app/main_window_ids.h"
#include "app/main_window_rules.h"
#include "platform/work_area.h"
#include "settings/setting_keys.h"

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

void Call(const std::function<void()>& handler) {
    if (handler) handler();
}

}  // namespace

TfrmWyndrel::TfrmWyndrel(TMainWindowPorts ports, widgets::TTaskTray& tray, widgets::TSKGradationG& grad,
                         TMainWindowHandlers handlers, std::string helpFileName)
    : FPorts(ports),
      FTray(tray),
      FGrad(grad),
      FHandlers(std::move(handlers)),
      FHelpFileName(std::move(helpFileName)),
      FForm(MainWindowForm()) {
    FGrad.OnMouseDown = [this](auto&, widgets::TMouseButton button, auto, int, int) { OnGradMouseDown(button); };
    FGrad.OnMouseUp = [this](auto&, widgets::TMouseButton button, auto, int, int) { OnGradMouseUp(button); };
}

void TfrmWyndrel::FormCreate() {
    using namespace settings::keys;
    {
        TRealTimeScope realTime(FPorts.Process);
        settings::TSettingsFile settings = FPorts.Ini.SettingsFile();
        FTray.SetTipString(TrayTip);
        FTray.SetIconID(TrayIconId);
        FTray.SetRegistered(true);
        SetViewMode(ViewModeAtStart(settings.Read(UserWindowMode),
                                    settings.Read(LastWindowMode)));
        PlaceAtStart(settings);
        if (FPorts.Ini.Read(IsMinimizedOnStart))
            FPorts.Frame.MinimizeApplication();
        FPorts.Frame.AcceptFiles();
        Call(FHandlers.BuildFavoritesMenu);
        Call(FHandlers.StartAutoSaveTimer);
    }
    if (FPorts.Ini.Read(IsMostTop)) SetMostTop(true);
    FPorts.View.SetFocus(ids::btnRead);
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
    RefreshWindowMenu(FPorts.Frame.WindowMenu(), FPorts.Files.FileExists(FHelpFileName));
    SetMostTop(FMostTop);
    if (!FPorts.Ini.Read(IsIconic) &&
        FPorts.Ini.Read(IsGetFocusOnStart))
        FPorts.Frame.BringForward();
    FPorts.Frame.Repaint();
}

void TfrmWyndrel::Run(const std::function<void()>& command) {
    if (command) FGate.Run(command);
}

void TfrmWyndrel::OnControl(const ui::TControlEvent& event) {
    if (event.Kind != ui::TControlEventKind::Click) return;
    switch (event.Id) {
        case ids::btnRead: Call(FHandlers.Read); break;
        case ids::btnSave: Call(FHandlers.Save); break;
        case ids::btnSituate: Call(FHandlers.Situate); break;
        case ids::btnOption: Run(FHandlers.Options); break;
        case ids::btnChangeView: SetViewMode(NextViewMode(FViewMode)); break;
        case ids::btnClose: FPorts.Frame.Quit(); break;
        case ids::btnReadEnd: Call(FHandlers.ReadAndClose); break;
        case ids::btnSaveEnd: Call(FHandlers.SaveAndClose); break;
        case ids::mpCVNrml: ChooseViewMode(TViewMode::Normal); break;
        case ids::mpCVHorz: ChooseViewMode(TViewMode::Horizontal); break;
        case ids::mpCVVert: ChooseViewMode(TViewMode::Vertical); break;
        case ids::mpCVIcon: ChooseIconMode(); break;
        case ids::pmScatter: Run(FHandlers.Scatter); break;
        case ids::pmPutInOrder: Run(FHandlers.PutInOrder); break;
        case ids::pmASEnable: Call(FHandlers.AutoSaveEnable); break;
        case ids::pmASaveNow: Run(FHandlers.AutoSaveNow); break;
        case ids::pmASetInterval: Run(FHandlers.AutoSaveInterval); break;
        case ids::pmAEditList: Run(FHandlers.AutoSaveEditList); break;
        case ids::pmAOption: Run(FHandlers.AutoSaveOptions); break;
        default: break;
    }
}

void TfrmWyndrel::OnTimer(int timerId) {
    if (timerId == ids::TimAutoSave) Run(FHandlers.AutoSaveTick);
}

bool TfrmWyndrel::OnSysCommand(std::uint32_t id) {
    switch (id) {
        case ids::WindowMenuOptions: Run(FHandlers.Options); return true;
        case ids::WindowMenuAbout: Run(FHandlers.About); return true;
        case ids::WindowMenuMostTop: SetMostTop(!FMostTop); return true;
        case ids::WindowMenuScatter: Run(FHandlers.Scatter); return true;
        case ids::WindowMenuHelp: Run(FHandlers.Help); return true;
        default: return false;
    }
}

void TfrmWyndrel::OnDropFiles(const std::vector<std::string>& paths) {
    if (paths.empty() || !FHandlers.LoadLayout) return;
    FGate.Run([&] { RestoreDroppedFiles(paths, FHandlers.LoadLayout); });
}

bool TfrmWyndrel::FormCloseQuery() {
    using settings::keys::CloseNoExit;
    bool closeNoExit = FPorts.Ini.Read(CloseNoExit);
    switch (CloseQuery(FPorts.Frame.QuitRequested(), closeNoExit, FPorts.View.Visible(ui::FormId))) {
        case TCloseAnswer::HideInstead: FPorts.View.Hide(); return false;
        case TCloseAnswer::Quit: FPorts.Frame.Quit(); return true;
        case TCloseAnswer::Close: break;
    }
    return true;
}

// The settings are written before anything else of the program is released, so a failure
// there cannot lose them.
void TfrmWyndrel::FormDestroy() {
    FTray.SetRegistered(false);
    WriteExitState(FPorts.Ini, FPorts.Frame.Metrics().Current, FViewMode, FPorts.AutoSaveTimer.Enabled());
    FPorts.Frame.Quit();
}

}  // namespace wyndrel::app
