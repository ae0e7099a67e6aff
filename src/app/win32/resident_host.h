// The resident program's parts on Win32: the notification area and tray icon, the gradient
// bar, the auto-save timer, the main window and its presenter, and the message loop.
#pragma once

#include "app/main_window.h"
#include "app/resident_start.h"
#include "app/start_up.h"
#include "app/win32/about_window_command.h"
#include "app/win32/layout_commands_wiring.h"
#include "app/win32/main_window_view.h"
#include "app/win32/options_command.h"
#include "app/win32/scatter_and_auto_save.h"
#include "app/win32/tray_wiring.h"
#include "layout/editor_launcher.h"
#include "platform/win32/win32_timer.h"
#include "widgets/task_tray_registry.h"
#include "widgets/win32/win32_notify_area.h"

#include <memory>
#include <string>

namespace wyndrel::app::win32 {

class TResidentHost : public IResidentHost {
public:
    // `dialogPort`, the adapter behind `ports.UserInterface`, lets the main window own the
    // program's file dialogs and boxes.
    TResidentHost(const TPorts& ports, IResidentProcess& process, settings::TIniAccess& ini,
                  const std::string& editorPath, const std::string& exePath,
                  wyndrel::win32::TWin32UserInterface* dialogPort = nullptr);
    ~TResidentHost() override;

    void CreateMainWindow(bool show) override;
    void RunMessageLoop() override;

private:
    void LoadDroppedLayout(const std::string& path);

    TPorts FPorts;
    IResidentProcess& FProcess;
    settings::TIniAccess& FIni;
    std::string FHelpFileName;
    layout::TLayoutEngine FEngine;
    TLayoutCommandsWiring FLayoutCommands;
    wyndrel::win32::TWin32NotifyArea FNotifyArea;
    widgets::TTaskTrayRegistry FRegistry{FNotifyArea};
    std::unique_ptr<widgets::TTaskTray> FTray;
    widgets::TSKGradationG FGrad;
    wyndrel::win32::TWin32Timer FTimer;
    TOptionsCommand FOptions;
    TTrayWiring FTrayWiring;
    std::unique_ptr<TMainWindowView> FWindow;
    std::unique_ptr<TScatterAndAutoSave> FScatterAndAutoSave;
    std::unique_ptr<TfrmWyndrel> FForm;
    std::string FExePath;
    std::unique_ptr<TAboutWindowCommand> FAbout;
    bool FShow = true;
};

}  // namespace wyndrel::app::win32
