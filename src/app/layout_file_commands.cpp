// The layout commands' steps: dialog, engine call, close request.
#include "app/layout_file_commands.h"

#include "app/command_mode.h"
#include "layout/editor_launcher.h"
#include "layout/layout_commands.h"
#include "settings/setting_keys.h"
#include "text/default_file_name.h"
#include "text/user_date_time_locale.h"

namespace wyndrel::app {

TLayoutFileCommands::TLayoutFileCommands(const TPorts& ports, settings::TIniAccess& ini,
                                         layout::TLayoutEngine& engine, ui::TCommandGate& gate, TMainWindowHooks hooks)
    : FPorts(ports),
      FIni(ini),
      FEngine(engine),
      FGate(gate),
      FHooks(std::move(hooks)),
      FOpenDlg(LayoutOpenDialog()),
      FSaveDlg(LayoutSaveDialog()) {}

std::optional<std::string> TLayoutFileCommands::ChooseLayoutToRead() {
    std::optional<std::string> path = FPorts.UserInterface.ShowOpenDialog(FOpenDlg);
    if (path) FOpenDlg.InitialFileName = *path;
    return path;
}

std::optional<std::string> TLayoutFileCommands::ChooseLayoutToSave() {
    using namespace settings::keys;
    TFileDialog dialog = FSaveDlg;
    if (FIni.Read(UseDefFileName)) {
        const std::string format = FIni.Read(IsFileNameDateTime);
        dialog.InitialFileName =
            text::MakeDefFileName(format, FPorts.Clock, text::UserDateTimeLocale(FPorts.Regional)) + ".qdl";
    }
    std::optional<std::string> path = FPorts.UserInterface.ShowSaveDialog(dialog);
    if (path) FSaveDlg.InitialFileName = *path;
    return path;
}

void TLayoutFileCommands::Restore(const std::string& path) {
    layout::TEditorLauncher launcher(FEngine, FPorts.Processes, FPorts.UserInterface);
    layout::LoadLayout(launcher, FPorts.Files, FPorts.UserInterface, path);
}

void TLayoutFileCommands::Read() {
    Run([this] {
        if (auto path = ChooseLayoutToRead()) Restore(*path);
    });
}

void TLayoutFileCommands::Save() {
    Run([this] {
        if (auto path = ChooseLayoutToSave()) layout::SaveLayout(FEngine, FPorts.Files, FPorts.UserInterface, *path);
    });
}

void TLayoutFileCommands::ReadAndClose() {
    Run([this] {
        auto path = ChooseLayoutToRead();
        if (!path) return;
        Restore(*path);  // a restore that fails raises the silent abort and the window stays
        FHooks.RequestClose();
    });
}

void TLayoutFileCommands::SaveAndClose() {
    Run([this] {
        auto path = ChooseLayoutToSave();
        if (!path) return;
        layout::SaveLayout(FEngine, FPorts.Files, FPorts.UserInterface, *path);
        FHooks.RequestClose();
    });
}

void TLayoutFileCommands::ShowEditors() {
    Run([this] { FHooks.ShowEditorList(); });
}

}  // namespace wyndrel::app
