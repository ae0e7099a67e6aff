// Building the resident program from its parts, and its message loop.
#include "app/win32/resident_program.h"

#include "app/main_window_commands.h"
#include "app/main_window_ids.h"
#include "app/win32/option_sheet_ports.h"
#include "app/win32/program_icon.h"
#include "layout/auto_save_pass.h"
#include "dialogs/win32/quillon_list_window.h"
#include "platform/win32/display_monitors.h"
#include "platform/win32/guarded_dispatch.h"
#include "platform/win32/message_loop.h"
#include "platform/work_area.h"

namespace wyndrel::app::win32 {
namespace {

WindowId IdOf(HWND window) { return WindowId{reinterpret_cast<std::uintptr_t>(window)}; }

// The list window is per-monitor aware: its bounds are physical pixels, so the monitors are
// taken in this thread's own context, not in the DPI-unaware one of the editors' geometry.
Rect KeepListOnScreen(const Rect& stored) {
    const TWindowBox moved =
        MoveOntoNearestWorkArea({stored.Left, stored.Top, stored.Width(), stored.Height()},
                                wyndrel::win32::DisplayMonitors());
    return Rect{moved.Left, moved.Top, moved.Left + moved.Width, moved.Top + moved.Height};
}

}  // namespace

TMainGradientBar::TMainGradientBar() {
    SetBounds(2, 1, 53, 16);
    SetVisible(false);
    SetColor(15780518);
    SetStartColor(6956042);
    SetEndColor(15780518);
    SetGradationStep(53);
    SetAutoPointSet(true);
    SetStartPoint(5);
    SetAutoPoint(5);
    SetEndPoint(11);
    SetDirection(widgets::TDirection::dVertical);
}

TResidentProgram::TResidentProgram(const TPorts& ports, IResidentProcess& process,
                                   settings::TIniAccess& ini, const std::string& editorPath,
                                   const std::string& exePath,
                                   const settings::TSettingsFolder& folder,
                                   wyndrel::win32::TWin32UserInterface* dialogPort)
    : FPorts(ports),
      FProcess(process),
      FIni(ini),
      FDialogPort(dialogPort),
      FExePath(exePath),
      FHelpFiles(THelpFiles::Beside(exePath)),
      FEditorPath(editorPath),
      FEngine(ports.Desktop),
      FLauncher(FEngine, FEditorPath, ports.Processes, ports.UserInterface),
      FCommands(&MainWindowCommandRule,
                [this](std::exception_ptr failure) { ReportFailure(failure); }),
      FWindow(ports.UserInterface, FGrad, FForm, FActivation),
      FTimer(FWindow.Handle(), ids::TimAutoSave),
      FTrayRetryTimer(FWindow.Handle(), ids::TimTrayRetry),
      FLastSessionTimer(FWindow.Handle(), ids::TimLastSession),
      FDisplaySettleTimer(FWindow.Handle(), ids::TimDisplaySettle),
      FRegistry(FNotifyArea),
      FTray(FRegistry,
            widgets::TTrayOwner{&ports.Desktop, &ports.UserInterface, IdOf(FWindow.Handle())}),
      FLayoutCommands(ports, ini, FEngine, FLauncher, FCommands,
                      TMainWindowHooks{[this] { ShowEditorList(); }}),
      FForm({FWindow.View(), FWindow, process, ports.Files, ini, FTimer, FLayoutCommands,
             FTrayRetryTimer},
            FTray, FGrad, FCommands, FHelpFiles, folder.SnapshotPath()),
      FTrayCommands(
          {FForm, FWindow.View(), FWindow, ports.Files, ini, ports.UserInterface, FTimer,
           FOpenForms, FHelp, FLauncher, IdOf(FWindow.Handle())},
          {FHelpFiles, folder.SnapshotPath(), FEditorPath, folder.File(LastSessionFileName)},
          FTray),
      FStartWithWindows(FUserRegistry, exePath),
      FOptions(ports, ini, FEditorPath, FHelpFiles, FHelp, FStartWithWindows, FTimer,
               FWindow.Handle(), FForm, [this] { return SheetPorts(); }),
      FAbout(TAboutWindowParts{ports.UserInterface, exePath, FWindow.Handle(),
                               [this] { FForm.ActivateTitleColors(); },
                               [this] { FForm.DeactivateTitleColors(); }},
             FCommands),
      FScatter({FEngine, FLauncher, ports.Processes, ports.Files, ports.UserInterface, ports.Clock},
               folder.SnapshotPath(), FCommands),
      FInputBox(ports.UserInterface, FWindow.Handle()),
      FWait(ports.Processes, ports.UserInterface),
      FSchedule(FTimer, ini, FInputBox,
                {[this] { layout::RunAutoSavePass(FEngine, FIni, FWait); },
                 [this] { return FForm.MenuShowing(); }, [this] { FOptions.Open(); }},
                FCommands),
      FLastSession({FEngine, FLauncher, ports.Files, ports.UserInterface, ini, FLastSessionTimer},
                   {folder.File(LastSessionFileName), folder.SnapshotPath()}, FCommands),
      FDisplays({FEngine, ini, FDisplaySettleTimer}, FCommands) {
    FLastSession.OnMinuteCapture = [this](const std::vector<layout::TLayout>& editors) {
        FDisplays.Remember(editors);
    };
    // The file dialogs are modal to the main window: it takes no command while one is open.
    if (FDialogPort) FDialogPort->SetApplicationWindow(FWindow.Handle());
    FActivation.Replace([this] { FForm.AppEventsActivate(); });
    // Where the user allows it, Windows starts the program again after a restart for an update.
    ::RegisterApplicationRestart(nullptr, 0);
    FTray.SetIcon(
        widgets::TIconHandle{reinterpret_cast<std::uintptr_t>(LoadProgramIcon(TIconSize::Small))});
    // The window goes before the presenter it reports its destruction to, also when the
    // presenter's creation fails and this constructor ends with the failure.
    try {
        FForm.FormCreate();
    } catch (...) {
        FWindow.Destroy();
        throw;
    }
}

// The window goes before the parts its destruction reports to; boxes shown after it have no
// owner rather than a dead one.
TResidentProgram::~TResidentProgram() {
    FWindow.Destroy();
    if (FDialogPort) FDialogPort->SetApplicationWindow(nullptr);
}

void TResidentProgram::RunMessageLoop(bool show) {
    if (show) FWindow.View().Show();
    // Asked once the window is up, as the first command the loop carries out.
    ::PostMessageW(FWindow.Handle(), WM_COMMAND, MAKEWPARAM(ids::cmdOfferLastSession, 0), 0);
    wyndrel::win32::RunMessageLoop();
    FWindow.Destroy();
}

void TResidentProgram::ShowEditorList() {
    dialogs::TQuillonListPorts ports{FIni,
                                     FPorts.UserInterface,
                                     FPorts.Desktop,
                                     FActivation,
                                     [this] { return FEngine.CaptureEditors(); },
                                     &KeepListOnScreen};
    dialogs::win32::ShowQuillonList(FWindow.Handle(), std::move(ports));
}

dialogs::TOptionSheetsPorts TResidentProgram::SheetPorts() {
    return OptionSheetPorts(
        FPorts, FProcess, FIni, FEditorPath, [this] { return IdOf(FOptions.DialogWindow()); },
        [this](const std::vector<std::string>& entries) {
            FTrayCommands.ReplaceFavorites(entries);
        });
}

// A waiting command that failed after another one had already failed: shown through the
// same barrier as any failure of a window's handler.
void TResidentProgram::ReportFailure(std::exception_ptr failure) {
    wyndrel::win32::RunGuarded([&]() -> LRESULT { std::rethrow_exception(failure); }, 0,
                               &FPorts.UserInterface, FWindow.Handle());
}

}  // namespace wyndrel::app::win32
