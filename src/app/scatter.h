// Scatter and put in order: every editor window that shows a file thrown to a random place
// with a random size, and the layout from before the first scatter brought back.
#pragma once

#include "layout/editor_launcher.h"
#include "layout/layout_engine.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "platform/user_interface.h"
#include "ui/command_table.h"

#include <cstdint>
#include <string>
#include <vector>

namespace wyndrel::app {

// Where scattered windows land: positions and sizes below these, counted from screen
// coordinate 0. The virtual desktop's size less 5, within 0 ... 65535.
struct TScatterArea {
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
};
TScatterArea ScatterAreaOf(const std::vector<TMonitor>& monitors);

// Moves and sizes every editor window showing a file at random within the scatter area,
// leaving the Z order and the active window as they are; a maximised one is restored to its
// normal size first. Each window draws its own values.
void ScatterEditors(layout::TLayoutEngine& engine, IClock& clock);

struct TScatterPorts {
    layout::TLayoutEngine& Engine;
    layout::TEditorLauncher& Launcher;
    IProcesses& Processes;
    IFiles& Files;
    IUserInterface& Ui;
    IClock& Clock;
};

inline constexpr const char* SnapshotMissingText =
    "\r\nファイルを削除されたため片づけが出来ません。";

// The two commands around the temporary layout file beside the program: its existence is the
// whole state (present: scattered, and put in order can bring the windows back).
class TScatterCommands {
public:
    // Registers 散らかす (tray and window menu) and お片づけ in the main window's `commands`.
    TScatterCommands(TScatterPorts ports, std::string snapshotPath, ui::TCommandTable& commands);

    // The snapshot is taken before the first scatter only; when it cannot be written, nothing
    // is scattered, since the windows could not be put back.
    void ScatterWindows();
    void pmScatterClick() { ScatterWindows(); }
    // Restores the snapshot and deletes it. A restore that is cancelled keeps both the file
    // and the entry, so the user can try again.
    void pmPutInOrderClick();

    // The tray entry's state: enabled by a scatter, disabled by a put in order. The menu sets it
    // again from SnapshotExists() each time it opens.
    bool PutInOrderEnabled() const { return FPutInOrderEnabled; }
    bool SnapshotExists() { return FPorts.Files.FileExists(FSnapshotPath); }
    const std::string& SnapshotPath() const { return FSnapshotPath; }

private:
    TScatterPorts FPorts;
    std::string FSnapshotPath;
    bool FPutInOrderEnabled = false;
};

}  // namespace wyndrel::app
