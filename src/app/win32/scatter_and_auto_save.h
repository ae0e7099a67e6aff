// Scatter, put in order and the auto-save schedule in the resident program: made with the
// main window, filling its handler slots. The tray menu calls the commands of Scatter() and
// Schedule() by their entries' names.
#pragma once

#include "app/auto_save_schedule.h"
#include "app/main_window.h"
#include "app/scatter.h"
#include "app/start_up.h"
#include "layout/bounded_wait.h"
#include "ui/win32/input_box_dialog.h"

#include <functional>
#include <string>

namespace wyndrel::app::win32 {

class TScatterAndAutoSave {
public:
    TScatterAndAutoSave(const TPorts& ports, layout::TLayoutEngine& engine, settings::TIniAccess& ini, ITimer& timer,
                        HWND mainWindow, const std::string& exePath, std::function<bool()> menuShowing);

    // Scatter (window menu and tray), put in order, the timer's start and tick, and the
    // auto-save entries.
    void Fill(TMainWindowHandlers& handlers);

    TScatterCommands& Scatter() { return FScatter; }
    TAutoSaveSchedule& Schedule() { return FSchedule; }

private:
    TScatterCommands FScatter;
    ui::win32::TInputBoxDialog FInputBox;
    layout::TBoundedWait FWait;
    TAutoSaveSchedule FSchedule;
};

}  // namespace wyndrel::app::win32
