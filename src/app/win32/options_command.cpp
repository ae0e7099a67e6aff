// Opening the options dialog from the main window.
#include "app/win32/options_command.h"

#include "dialogs/win32/option_dialog_window.h"
#include "layout/editor_executable.h"
#include "platform/win32/win32_help_viewer.h"

namespace wyndrel::app::win32 {

void TOptionsCommand::Open() {
    if (FOpen) {
        if (FDialog) ::SetForegroundWindow(FDialog);
        return;
    }
    FOpen = true;
    wyndrel::win32::TWin32HelpViewer help;
    dialogs::TOptionPorts ports{
        FIni, FPorts.UserInterface, FPorts.Files, FAutoSaveTimer, FEditorPath, FHelpFileName,
        [this]() -> std::optional<Rect> {
            RECT outer{};
            if (!FMainWindow || !::GetWindowRect(FMainWindow, &outer)) return std::nullopt;
            return Rect{outer.left, outer.top, outer.right, outer.bottom};
        },
        [] {
            RECT area{};
            ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
            return Rect{area.left, area.top, area.right, area.bottom};
        },
        [this] {
            if (FForm) FForm->ActivateTitleColors();
        },
        [this] {
            if (FForm) FForm->DeactivateTitleColors();
        },
        [this] { return layout::FindEditorExecutable(FPorts.Files, FPorts.Processes, FPorts.UserInterface); },
        help,
        SheetPorts ? std::optional(SheetPorts()) : std::nullopt};
    // Closed again also when showing fails, before the failure goes on.
    struct TClosed {
        TOptionsCommand& Command;
        ~TClosed() {
            Command.FOpen = false;
            Command.FDialog = nullptr;
        }
    } closed{*this};
    dialogs::win32::ShowOptionDialog(FMainWindow, std::move(ports), [this](HWND dialog) { FDialog = dialog; });
}

}  // namespace wyndrel::app::win32
