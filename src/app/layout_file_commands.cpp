// The layout commands' steps: dialog, engine call, close request.
#include "app/layout_file_commands.h"

#include "app/command_mode.h"
#include "app/main_window_ids.h"
#include "layout/layout_commands.h"
#include "settings/setting_keys.h"
#include "text/default_file_name.h"
#include "text/user_date_time_locale.h"

namespace wyndrel::app {

TLayoutFileCommands::TLayoutFileCommands(const TPorts& ports, settings::TIniAccess& ini,
                                         layout::TLayoutEngine& engine,
                                         layout::TEditorLauncher& launcher,
                                         ui::TCommandTable& commands, TMainWindowHooks hooks)
    : FPorts(ports),
      FIni(ini),
      FEngine(engine),
      FLauncher(launcher),
      FCommands(commands),
      FHooks(std::move(hooks)),
      FOpenDlg(LayoutOpenDialog()),
      FSaveDlg(LayoutSaveDialog()) {
    for (int id : {int{ids::btnRead}, int{ids::pmOpen}}) FCommands.Add(id, [this] { Read(); });
    for (int id : {int{ids::btnSave}, int{ids::pmSave}}) FCommands.Add(id, [this] { Save(); });
    for (int id : {int{ids::btnSituate}, int{ids::pmSituate}})
        FCommands.Add(id, [this] { ShowEditors(); });
    FCommands.Add(ids::btnReadEnd, [this] { ReadAndClose(); });
    FCommands.Add(ids::btnSaveEnd, [this] { SaveAndClose(); });
}

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
            text::MakeDefFileName(format, FPorts.Clock, text::UserDateTimeLocale(FPorts.Regional)) +
            ".qdl";
    }
    std::optional<std::string> path = FPorts.UserInterface.ShowSaveDialog(dialog);
    if (path) FSaveDlg.InitialFileName = *path;
    return path;
}

void TLayoutFileCommands::RestoreLayout(const std::string& path) {
    layout::LoadLayout(FLauncher, FPorts.Files, FPorts.UserInterface, path);
}

void TLayoutFileCommands::Read() {
    if (auto path = ChooseLayoutToRead()) RestoreLayout(*path);
}

void TLayoutFileCommands::Save() {
    if (auto path = ChooseLayoutToSave())
        layout::SaveLayout(FEngine, FPorts.Files, FPorts.UserInterface, *path);
}

// The close request waits until this command has ended.
void TLayoutFileCommands::ReadAndClose() {
    auto path = ChooseLayoutToRead();
    if (!path) return;
    RestoreLayout(*path);  // a restore that fails raises the silent abort and the window stays
    FCommands.Dispatch(ids::cmdCloseRequest);
}

void TLayoutFileCommands::SaveAndClose() {
    auto path = ChooseLayoutToSave();
    if (!path) return;
    layout::SaveLayout(FEngine, FPorts.Files, FPorts.UserInterface, *path);
    FCommands.Dispatch(ids::cmdCloseRequest);
}

void TLayoutFileCommands::ShowEditors() { FHooks.ShowEditorList(); }

}  // namespace wyndrel::app
