// The resident program on Win32, built whole by its constructor in member order: the layout
// engine and launcher, the main window's command table, the window with its timer and tray
// icon, the layout commands, the presenter, the tray's commands, the options and About
// windows, scatter and the auto-save schedule. Each part registers its commands in the table
// as it is made; the presenter's creation steps run last.
#pragma once

#include "app/auto_save_schedule.h"
#include "app/display_follower.h"
#include "app/last_session.h"
#include "app/layout_file_commands.h"
#include "app/main_window.h"
#include "app/scatter.h"
#include "app/start_up.h"
#include "app/tray_commands.h"
#include "app/win32/about_window_command.h"
#include "app/win32/main_window_view.h"
#include "app/win32/options_command.h"
#include "layout/bounded_wait.h"
#include "layout/editor_launcher.h"
#include "platform/help_file.h"
#include "platform/win32/win32_help_viewer.h"
#include "platform/win32/win32_user_registry.h"
#include "platform/win32/win32_timer.h"
#include "platform/win32/win32_user_interface.h"
#include "ui/app_activation.h"
#include "ui/command_table.h"
#include "ui/win32/input_box_dialog.h"
#include "ui/win32/win32_open_forms.h"
#include "widgets/task_tray_registry.h"
#include "widgets/win32/win32_notify_area.h"

#include <string>

namespace wyndrel::app::win32 {

// The gradient bar as the main window's form sets it up, until the first activation.
class TMainGradientBar : public widgets::TSKGradationG {
public:
    TMainGradientBar();
};

class TResidentProgram {
public:
    // `dialogPort`, the adapter behind `ports.UserInterface` (may be null), lets the main
    // window own the program's file dialogs and boxes while it exists.
    // The program's own files (the settings file `ini` reads, the scatter's snapshot) are
    // those of `folder`; the help file and the version information are the program's own.
    TResidentProgram(const TPorts& ports, IResidentProcess& process, settings::TIniAccess& ini,
                     const std::string& editorPath, const std::string& exePath,
                     const settings::TSettingsFolder& folder,
                     wyndrel::win32::TWin32UserInterface* dialogPort);
    ~TResidentProgram();
    TResidentProgram(const TResidentProgram&) = delete;
    TResidentProgram& operator=(const TResidentProgram&) = delete;

    // Shows the window if asked, offers the last session, and runs until the program is told
    // to quit.
    void RunMessageLoop(bool show);

private:
    void ShowEditorList();
    void ReportFailure(std::exception_ptr failure);
    dialogs::TOptionSheetsPorts SheetPorts();

    TPorts FPorts;
    IResidentProcess& FProcess;
    settings::TIniAccess& FIni;
    wyndrel::win32::TWin32UserInterface* FDialogPort;
    std::string FExePath;
    THelpFiles FHelpFiles;
    layout::TEditorPath FEditorPath;
    layout::TLayoutEngine FEngine;
    layout::TEditorLauncher FLauncher;
    ui::TCommandTable FCommands;
    ui::TAppActivation FActivation;
    TMainGradientBar FGrad;
    TMainWindowView FWindow;  // its presenter is FForm, made below
    wyndrel::win32::TWin32Timer FTimer;
    wyndrel::win32::TWin32Timer FTrayRetryTimer;
    wyndrel::win32::TWin32Timer FLastSessionTimer;
    wyndrel::win32::TWin32Timer FDisplaySettleTimer;
    wyndrel::win32::TWin32NotifyArea FNotifyArea;
    widgets::TTaskTrayRegistry FRegistry;
    widgets::TTaskTray FTray;
    TLayoutFileCommands FLayoutCommands;
    TfrmWyndrel FForm;
    ui::win32::TWin32OpenForms FOpenForms;
    wyndrel::win32::TWin32HelpViewer FHelp;
    TTrayCommands FTrayCommands;
    wyndrel::win32::TWin32UserRegistry FUserRegistry;
    TStartWithWindows FStartWithWindows;
    TOptionsCommand FOptions;
    TAboutWindowCommand FAbout;
    TScatterCommands FScatter;
    ui::win32::TInputBoxDialog FInputBox;
    layout::TBoundedWait FWait;
    TAutoSaveSchedule FSchedule;
    TLastSession FLastSession;
    TDisplayFollower FDisplays;
};

}  // namespace wyndrel::app::win32
