// The main window's layout commands: read a layout, save the current one, either followed by
// closing the window, and the list of the running editors. The two file dialogs live as long
// as the main window, so each proposes the file chosen last in this run.
#pragma once

#include "app/layout_restore.h"
#include "app/start_up.h"
#include "layout/editor_launcher.h"
#include "layout/layout_engine.h"
#include "settings/ini_access.h"
#include "ui/command_table.h"

#include <functional>
#include <optional>
#include <string>

namespace wyndrel::app {

// What the commands need of the main window.
struct TMainWindowHooks {
    // The running-editors list, owned by the main window, shown modally until it closes.
    std::function<void()> ShowEditorList;
};

class TLayoutFileCommands : public ILayoutRestore {
public:
    // Registers the commands under the main window's buttons and tray entries in `commands`,
    // whose close request the two closing commands ask for.
    TLayoutFileCommands(const TPorts& ports, settings::TIniAccess& ini,
                        layout::TLayoutEngine& engine, layout::TEditorLauncher& launcher,
                        ui::TCommandTable& commands, TMainWindowHooks hooks);

    void Read();          // btnRead, pmOpen
    void Save();          // btnSave, pmSave
    void ReadAndClose();  // btnReadEnd: closes once the restore has returned
    void SaveAndClose();  // btnSaveEnd: closes once the save has returned
    void ShowEditors();   // btnSituate, pmSituate
    // Raises the silent abort when the file cannot be restored.
    void RestoreLayout(const std::string& path) override;

private:
    std::optional<std::string> ChooseLayoutToRead();
    std::optional<std::string> ChooseLayoutToSave();

    TPorts FPorts;
    settings::TIniAccess& FIni;
    layout::TLayoutEngine& FEngine;
    layout::TEditorLauncher& FLauncher;
    ui::TCommandTable& FCommands;
    TMainWindowHooks FHooks;
    TFileDialog FOpenDlg;
    TFileDialog FSaveDlg;
};

}  // namespace wyndrel::app
