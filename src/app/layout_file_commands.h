// The main window's layout commands: read a layout, save the current one, either followed by
// closing the window, and the list of the running editors. The two file dialogs live as long
// as the main window, so each proposes the file chosen last in this run.
#pragma once

#include "app/start_up.h"
#include "layout/layout_engine.h"
#include "settings/ini_access.h"
#include "ui/command_gate.h"

#include <functional>
#include <optional>
#include <string>

namespace wyndrel::app {

// What the commands need of the main window.
struct TMainWindowHooks {
    // The running-editors list, owned by the main window, shown modally until it closes.
    std::function<void()> ShowEditorList;
    // The close request, through the window's close rule.
    std::function<void()> RequestClose;
};

class TLayoutFileCommands {
public:
    // `gate` is the main window's: while a command of it runs (a dialog or the list is open,
    // a restore waits) no other command of the window runs.
    TLayoutFileCommands(const TPorts& ports, settings::TIniAccess& ini, layout::TLayoutEngine& engine,
                        ui::TCommandGate& gate, TMainWindowHooks hooks);

    void Read();          // btnRead, pmOpen
    void Save();          // btnSave, pmSave
    void ReadAndClose();  // btnReadEnd: closes once the restore has returned
    void SaveAndClose();  // btnSaveEnd: closes once the save has returned
    void ShowEditors();   // btnSituate, pmSituate

private:
    std::optional<std::string> ChooseLayoutToRead();
    std::optional<std::string> ChooseLayoutToSave();
    // Raises the silent abort when the file cannot be restored.
    void Restore(const std::string& path);
    void Run(const std::function<void()>& command) { FGate.Run(command, ui::TWhenBusy::Drop); }

    TPorts FPorts;
    settings::TIniAccess& FIni;
    layout::TLayoutEngine& FEngine;
    ui::TCommandGate& FGate;
    TMainWindowHooks FHooks;
    TFileDialog FOpenDlg;
    TFileDialog FSaveDlg;
};

}  // namespace wyndrel::app
