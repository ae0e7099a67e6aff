// Connects the tray's commands to the main window, the editor launcher and the platform.
#include "app/win32/tray_wiring.h"

#include "app/start_up.h"
#include "layout/editor_launcher.h"
#include "text/path_split.h"

namespace wyndrel::app::win32 {

TTrayWiring::TTrayWiring(TTrayWiringPorts ports, const std::string& exePath) : FPorts(ports) {
    FFiles.HelpFile = text::ChangeFileExt(exePath, ".hlp");
    FFiles.TemporaryLayout = std::string(text::ExtractFilePath(exePath)) + TemporaryLayoutFileName;
    FFiles.EditorPath = &FPorts.Engine.EditorPath;
}

void TTrayWiring::AddHandlers(TMainWindowHandlers& handlers) {
    handlers.TrayMenu = [this](Point) {
        if (FCommands) FCommands->ShowTrayMenu();
    };
    handlers.Help = [this] {
        if (FCommands) FCommands->pmHelpClick();
    };
    handlers.BuildFavoritesMenu = [this] {
        if (FCommands) FCommands->BuildFavoritesMenu();
    };
}

void TTrayWiring::Attach(TfrmWyndrel& form, TMainWindowView& window, widgets::TTaskTray& tray) {
    TTrayHandlers handlers = Handlers;
    handlers.StartNewEditor = [this](int type) { StartNewEditor(type); };
    handlers.OpenFileInEditor = [this](const std::string& path) { OpenFileInEditor(path); };
    TTrayPorts ports{form,
                     window.View(),
                     window,
                     FPorts.Files,
                     FPorts.Ini,
                     FPorts.UserInterface,
                     FPorts.AutoSaveTimer,
                     FOpenForms,
                     FHelp,
                     WindowId{reinterpret_cast<std::uintptr_t>(window.Handle())}};
    FCommands = std::make_unique<TTrayCommands>(ports, std::move(handlers), FFiles, tray);
}

void TTrayWiring::StartNewEditor(int type) {
    layout::TEditorLauncher launcher(FPorts.Engine, FPorts.Processes, FPorts.UserInterface);
    launcher.StartNewEditor(type);
}

void TTrayWiring::OpenFileInEditor(const std::string& path) {
    layout::TEditorLauncher launcher(FPorts.Engine, FPorts.Processes, FPorts.UserInterface);
    launcher.OpenFileInEditor(path);
}

}  // namespace wyndrel::app::win32
