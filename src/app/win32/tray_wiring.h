// The tray icon's commands in the resident program: the tray menu, the favourites menu,
// new documents, help, and the dialog check over the program's open form windows.
#pragma once

#include "app/tray_commands.h"
#include "app/win32/main_window_view.h"
#include "layout/layout_engine.h"
#include "platform/processes.h"
#include "platform/win32/win32_help_viewer.h"
#include "ui/win32/win32_open_forms.h"

#include <memory>
#include <string>

namespace wyndrel::app::win32 {

struct TTrayWiringPorts {
    IFiles& Files;
    IProcesses& Processes;
    IUserInterface& UserInterface;
    settings::TIniAccess& Ini;
    ITimer& AutoSaveTimer;
    layout::TLayoutEngine& Engine;
};

class TTrayWiring {
public:
    TTrayWiring(TTrayWiringPorts ports, const std::string& exePath);

    // The tray's entries for commands that other parts of the program provide; set them
    // before Attach.
    TTrayHandlers Handlers;

    // The main window's slots that the tray's commands fill: the bar's menu, the help and
    // the favourites menu's build.
    void AddHandlers(TMainWindowHandlers& handlers);
    // The window exists: the tray's clicks reach the commands from now on.
    void Attach(TfrmWyndrel& form, TMainWindowView& window, widgets::TTaskTray& tray);
    // Null until Attach.
    TTrayCommands* Commands() { return FCommands.get(); }

private:
    void StartNewEditor(int type);
    void OpenFileInEditor(const std::string& path);

    TTrayWiringPorts FPorts;
    TTrayFiles FFiles;
    ui::win32::TWin32OpenForms FOpenForms;
    wyndrel::win32::TWin32HelpViewer FHelp;
    std::unique_ptr<TTrayCommands> FCommands;
};

}  // namespace wyndrel::app::win32
