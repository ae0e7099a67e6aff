// The fakes a main window stands on in the unit tests: desktop, files and settings, view and
// frame, process, timer and the tray icon with its gradient bar, the settings file at IniPath,
// and the window's command table.
#pragma once

#include "app/main_window_commands.h"
#include "app/main_window_form.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_files.h"
#include "fakes/fake_main_window_frame.h"
#include "fakes/fake_notify_area.h"
#include "fakes/fake_resident_process.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_view.h"
#include "settings/ini_access.h"
#include "widgets/sk_gradation.h"
#include "widgets/task_tray_registry.h"

#include <string>

namespace wyndrel::app {

struct TMainWindowRig {
    TMainWindowRig() {
        Ini.IniFileName = IniPath;
        Tray.SetIcon(widgets::TIconHandle{1});
    }

    const std::string IniPath = "C:\\Tools\\wyndrel.ini";
    const THelpFiles HelpFiles = THelpFiles::Beside("C:\\Tools\\wyndrel.exe");
    const std::string SnapshotPath = "C:\\Tools\\VOREZUVA.KTDK";
    fakes::TFakeDesktop Desktop;
    fakes::TFakeFiles Files;
    settings::TIniAccess Ini{Files};
    fakes::TFakeView View{MainWindowForm()};
    fakes::TFakeMainWindowFrame Frame{View};
    fakes::TFakeResidentProcess Process{Desktop};
    fakes::TFakeTimer Timer;
    fakes::TFakeTimer TrayTimer;
    fakes::TFakeNotifyArea Area;
    widgets::TTaskTrayRegistry Registry{Area};
    widgets::TTaskTray Tray{Registry};
    widgets::TSKGradationG Grad;
    ui::TCommandTable Table{MainWindowCommandRule};
};

}  // namespace wyndrel::app
