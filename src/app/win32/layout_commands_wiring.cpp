// Connecting the layout commands, the running-editors list and the program's activations to
// the main window.
#include "app/win32/layout_commands_wiring.h"

#include "dialogs/win32/quillon_list_window.h"
#include "platform/win32/display_monitors.h"
#include "platform/work_area.h"

namespace wyndrel::app::win32 {
namespace {

// The list window is per-monitor aware: its bounds are physical pixels, so the monitors are
// taken in this thread's own context, not in the DPI-unaware one of the editors' geometry.
Rect KeepListOnScreen(const Rect& stored) {
    const TWindowBox moved = MoveOntoNearestWorkArea({stored.Left, stored.Top, stored.Width(), stored.Height()},
                                                     wyndrel::win32::DisplayMonitors());
    return Rect{moved.Left, moved.Top, moved.Left + moved.Width, moved.Top + moved.Height};
}

}  // namespace

TLayoutCommandsWiring::TLayoutCommandsWiring(const TPorts& ports, settings::TIniAccess& ini,
                                             layout::TLayoutEngine& engine,
                                             wyndrel::win32::TWin32UserInterface* dialogPort)
    : FPorts(ports), FIni(ini), FEngine(engine), FDialogPort(dialogPort) {}

// Boxes shown after the window has gone have no owner rather than a dead one.
TLayoutCommandsWiring::~TLayoutCommandsWiring() {
    if (FDialogPort) FDialogPort->SetApplicationWindow(nullptr);
}

void TLayoutCommandsWiring::FillHandlers(TMainWindowHandlers& handlers) {
    handlers.Read = [this] { FCommands->Read(); };
    handlers.Save = [this] { FCommands->Save(); };
    handlers.Situate = [this] { FCommands->ShowEditors(); };
    handlers.ReadAndClose = [this] { FCommands->ReadAndClose(); };
    handlers.SaveAndClose = [this] { FCommands->SaveAndClose(); };
}

void TLayoutCommandsWiring::Attach(TMainWindowView& window, TfrmWyndrel& form) {
    FWindow = window.Handle();
    // The file dialogs are modal to the main window: it takes no command while one is open.
    if (FDialogPort) FDialogPort->SetApplicationWindow(FWindow);
    FCommands = std::make_unique<TLayoutFileCommands>(
        FPorts, FIni, FEngine, form.Gate(),
        TMainWindowHooks{[this] { ShowEditorList(); }, [this] { RequestClose(); }});
    FActivation.Replace([&form] { form.AppEventsActivate(); });
    window.AttachActivation(FActivation);
}

void TLayoutCommandsWiring::ShowEditorList() {
    dialogs::TQuillonListPorts ports{FIni, FPorts.UserInterface, FPorts.Desktop, FActivation,
                                     [this] { return FEngine.CaptureEditors(); }, &KeepListOnScreen};
    dialogs::win32::ShowQuillonList(FWindow, std::move(ports));
}

// Posted, so the close rule runs once the command has finished and the gate is open again.
void TLayoutCommandsWiring::RequestClose() { ::PostMessageW(FWindow, WM_CLOSE, 0, 0); }

}  // namespace wyndrel::app::win32
