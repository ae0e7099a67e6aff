// The program from its start to the end of command mode, as a function of its arguments and
// the platform ports; the entry point only wires the adapters and runs it.
#pragma once

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "platform/regional_settings.h"
#include "platform/user_interface.h"
#include "settings/settings_folder.h"

#include <string>
#include <vector>

namespace wyndrel::app {

struct TPorts {
    IDesktop& Desktop;
    IProcesses& Processes;
    IFiles& Files;
    IUserInterface& UserInterface;
    IClock& Clock;
    IRegionalSettings& Regional;
};

// The process's exit status, for scripts; the user sees nothing of it.
enum class TExitCode : int { Done = 0, NotDone = 1, InvalidCommandLine = 2 };

struct TStartUpResult {
    TExitCode ExitCode = TExitCode::Done;
    bool RunResident = false;  // no arguments: the resident program takes over
    std::string EditorPath;
};

// Editor path (with discovery), then the command of the arguments, with the settings file
// and the temporary layout file of `folder`. Only the resident program deletes the temporary
// layout file, when it ends; command mode leaves it.
TStartUpResult RunStartUp(const TPorts& ports, const settings::TSettingsFolder& folder,
                          const std::vector<std::string>& arguments);

// Deletes the temporary layout file of `folder` when it is there.
void FinaliseProcess(IFiles& files, const settings::TSettingsFolder& folder);
// At a resident start: a temporary layout file last written before the system started
// belongs to a session that is gone (a crash, a kill, a power cut) and is deleted; one
// written since is kept, so put in order still brings the scattered windows back.
void DiscardStaleSnapshot(IFiles& files, std::int64_t systemStartTime,
                          const settings::TSettingsFolder& folder);

}  // namespace wyndrel::app
