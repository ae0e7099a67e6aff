// Builds the resident program's window from its parts and runs it.
#include "app/win32/resident_host.h"

#include "app/main_window_ids.h"
#include "app/win32/option_sheet_ports.h"
#include "app/win32/program_icon.h"
#include "layout/layout_commands.h"
#include "platform/win32/message_loop.h"
#include "text/path_split.h"

namespace wyndrel::app::win32 {
namespace {

// The gradient bar as the main window's form sets it up, until the first activation.
void SetUpGradientBar(widgets::TSKGradationG& grad) {
    grad.SetBounds(2, 1, 53, 16);
    grad.SetVisible(false);
    grad.SetColor(15780518);
    grad.SetStartColor(6956042);
    grad.SetEndColor(15780518);
    grad.SetGradationStep(53);
    grad.SetAutoPointSet(true);
    grad.SetStartPoint(5);
    grad.SetAutoPoint(5);
    grad.SetEndPoint(11);
    grad.SetDirection(widgets::TDirection::dVertical);
}

}  // namespace

TResidentHost::TResidentHost(const TPorts& ports, IResidentProcess& process, settings::TIniAccess& ini,
                             const std::string& editorPath, const std::string& exePath,
                             wyndrel::win32::TWin32UserInterface* dialogPort)
    : FPorts(ports),
      FProcess(process),
      FIni(ini),
      FHelpFileName(text::ChangeFileExt(exePath, ".hlp")),
      FEngine(ports.Desktop),
      FLayoutCommands(ports, ini, FEngine, dialogPort),
      FTimer(ids::TimAutoSave),
      FOptions(ports, ini, FEngine.EditorPath, FHelpFileName, FTimer),
      FTrayWiring({ports.Files, ports.Processes, ports.UserInterface, ini, FTimer, FEngine}, exePath),
      FExePath(exePath) {
    FEngine.EditorPath = editorPath;
    SetUpGradientBar(FGrad);
}

TResidentHost::~TResidentHost() {
    if (FWindow) FWindow->Destroy();
}

void TResidentHost::CreateMainWindow(bool show) {
    FShow = show;
    FWindow = std::make_unique<TMainWindowView>(FPorts.UserInterface, FGrad);
    FWindow->Create();
    FTimer.AttachWindow(FWindow->Handle());
    FTray = std::make_unique<widgets::TTaskTray>(
        FRegistry, widgets::TTrayOwner{&FPorts.Desktop, &FPorts.UserInterface,
                                       WindowId{reinterpret_cast<std::uintptr_t>(FWindow->Handle())}});
    FTray->SetIcon(widgets::TIconHandle{reinterpret_cast<std::uintptr_t>(LoadProgramIcon(TIconSize::Small))});
    TMainWindowHandlers handlers;
    handlers.LoadLayout = [this](const std::string& path) { LoadDroppedLayout(path); };
    handlers.About = [this] { FAbout->Open(); };
    FLayoutCommands.FillHandlers(handlers);
    handlers.Options = [this] { FOptions.Open(); };
    FScatterAndAutoSave = std::make_unique<TScatterAndAutoSave>(FPorts, FEngine, FIni, FTimer, FWindow->Handle(), FExePath,
                                                                [this] { return FForm && FForm->MenuShowing(); });
    FScatterAndAutoSave->Fill(handlers);
    FScatterAndAutoSave->Schedule().SetOpenOptions(handlers.Options);
    FTrayWiring.AddHandlers(handlers);
    TScatterCommands& scatter = FScatterAndAutoSave->Scatter();
    TAutoSaveSchedule& schedule = FScatterAndAutoSave->Schedule();
    FTrayWiring.Handlers.pmPutInOrderClick = [&scatter] { scatter.pmPutInOrderClick(); };
    FTrayWiring.Handlers.pmASEnableClick = [&schedule] { schedule.pmASEnableClick(); };
    FTrayWiring.Handlers.pmASetIntervalClick = [&schedule] { schedule.pmASetIntervalClick(); };
    FTrayWiring.Handlers.pmASaveNowClick = [&schedule] { schedule.pmASaveNowClick(); };
    FTrayWiring.Handlers.pmAEditListClick = [&schedule] { schedule.pmAEditListClick(); };
    FTrayWiring.Handlers.pmAOptionClick = [&schedule] { schedule.pmAOptionClick(); };
    FOptions.SheetPorts = [this] {
        return OptionSheetPorts(
            FPorts, FProcess, FIni, FEngine.EditorPath,
            [this] { return WindowId{reinterpret_cast<std::uintptr_t>(FOptions.DialogWindow())}; },
            [this](const std::vector<std::string>& entries) {
                if (TTrayCommands* commands = FTrayWiring.Commands()) commands->ReplaceFavorites(entries);
            });
    };
    FForm = std::make_unique<TfrmWyndrel>(
        TMainWindowPorts{FWindow->View(), *FWindow, FProcess, FPorts.Files, FIni, FTimer}, *FTray, FGrad,
        std::move(handlers), FHelpFileName);
    FTrayWiring.Attach(*FForm, *FWindow, *FTray);
    FWindow->Attach(*FForm);
    FAbout = std::make_unique<TAboutWindowCommand>(TAboutWindowParts{
        FPorts.UserInterface, FExePath, FWindow->Handle(), [this] { FForm->ActivateTitleColors(); },
        [this] { FForm->DeactivateTitleColors(); }});
    FLayoutCommands.Attach(*FWindow, *FForm);
    FOptions.Attach(FWindow->Handle(), *FForm);
    FForm->FormCreate();
}

void TResidentHost::RunMessageLoop() {
    if (FShow) FWindow->View().Show();
    wyndrel::win32::RunMessageLoop();
    FWindow->Destroy();
}

void TResidentHost::LoadDroppedLayout(const std::string& path) {
    layout::TEditorLauncher launcher(FEngine, FPorts.Processes, FPorts.UserInterface);
    layout::LoadLayout(launcher, FPorts.Files, FPorts.UserInterface, path);
}

}  // namespace wyndrel::app::win32
