// Opening the options dialog from the main window.
#include "app/win32/options_command.h"

#include "dialogs/win32/option_dialog_window.h"
#include "app/main_window_ids.h"
#include "layout/editor_executable.h"
#include "platform/win32/display_monitors.h"
#include "platform/win32/win32_rect.h"

namespace wyndrel::app::win32 {

TOptionsCommand::TOptionsCommand(const TPorts& ports, settings::TIniAccess& ini,
                                 layout::TEditorPath& editorPath, THelpFiles helpFiles,
                                 IHelpViewer& help, TStartWithWindows& startWithWindows,
                                 ITimer& autoSaveTimer, HWND mainWindow, TfrmWyndrel& form,
                                 std::function<dialogs::TOptionSheetsPorts()> sheetPorts)
    : FPorts(ports),
      FIni(ini),
      FEditorPath(editorPath),
      FHelpFiles(std::move(helpFiles)),
      FHelp(help),
      FStartWithWindows(startWithWindows),
      FAutoSaveTimer(autoSaveTimer),
      FMainWindow(mainWindow),
      FForm(form),
      FSheetPorts(std::move(sheetPorts)) {
    for (int id :
         {int{ids::btnOption}, int{ids::pmOption}, static_cast<int>(ids::WindowMenuOptions)})
        form.Commands().Add(id, [this] { Open(); });
}

void TOptionsCommand::Open() {
    if (FOpen) {
        if (FDialog) ::SetForegroundWindow(FDialog);
        return;
    }
    FOpen = true;
    dialogs::TOptionPorts ports{FIni,
                                FPorts.UserInterface,
                                FPorts.Files,
                                FAutoSaveTimer,
                                FEditorPath,
                                FHelpFiles,
                                [this]() -> std::optional<Rect> {
                                    RECT outer{};
                                    if (!FMainWindow || !::GetWindowRect(FMainWindow, &outer))
                                        return std::nullopt;
                                    return wyndrel::win32::ToRect(outer);
                                },
                                [] { return wyndrel::win32::DisplayMonitors(); },
                                [this] { FForm.ActivateTitleColors(); },
                                [this] { FForm.DeactivateTitleColors(); },
                                [this] {
                                    return layout::FindEditorExecutable(
                                        FPorts.Files, FPorts.Processes, FPorts.UserInterface);
                                },
                                FHelp,
                                FStartWithWindows,
                                FSheetPorts()};
    // Closed again also when showing fails, before the failure goes on.
    struct TClosed {
        TOptionsCommand& Command;
        ~TClosed() {
            Command.FOpen = false;
            Command.FDialog = nullptr;
        }
    } closed{*this};
    dialogs::win32::ShowOptionDialog(FMainWindow, std::move(ports),
                                     [this](HWND dialog) { FDialog = dialog; });
}

}  // namespace wyndrel::app::win32
