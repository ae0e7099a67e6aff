// Wiring of scatter, put in order and the auto-save schedule to the resident program's parts.
#include "app/win32/scatter_and_auto_save.h"

#include "layout/auto_save_pass.h"

namespace wyndrel::app::win32 {

TScatterAndAutoSave::TScatterAndAutoSave(const TPorts& ports, layout::TLayoutEngine& engine, settings::TIniAccess& ini,
                                         ITimer& timer, HWND mainWindow, const std::string& exePath,
                                         std::function<bool()> menuShowing)
    : FScatter({engine, ports.Processes, ports.Files, ports.UserInterface, ports.Clock}, TemporaryLayoutPath(exePath)),
      FInputBox(ports.UserInterface, mainWindow),
      FWait(ports.Processes, ports.UserInterface),
      FSchedule(timer, ini, FInputBox,
                {[this, &engine, &ini] { layout::RunAutoSavePass(engine, ini, FWait); }, std::move(menuShowing), {}}) {}

void TScatterAndAutoSave::Fill(TMainWindowHandlers& handlers) {
    handlers.Scatter = [this] { FScatter.ScatterWindows(); };
    handlers.PutInOrder = [this] { FScatter.pmPutInOrderClick(); };
    handlers.StartAutoSaveTimer = [this] { FSchedule.StartAutoSaveTimer(); };
    handlers.AutoSaveTick = [this] { FSchedule.TimAutoSaveTimer(); };
    handlers.AutoSaveEnable = [this] { FSchedule.pmASEnableClick(); };
    handlers.AutoSaveNow = [this] { FSchedule.pmASaveNowClick(); };
    handlers.AutoSaveInterval = [this] { FSchedule.pmASetIntervalClick(); };
    handlers.AutoSaveEditList = [this] { FSchedule.pmAEditListClick(); };
    handlers.AutoSaveOptions = [this] { FSchedule.pmAOptionClick(); };
}

}  // namespace wyndrel::app::win32
