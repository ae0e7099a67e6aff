// The resident program from the single-instance check to its end: hand-over to a running
// copy, or the start-up delay, the priorities, the main window and the message loop.
#pragma once

#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/resident_process.h"
#include "platform/user_interface.h"
#include "settings/ini_access.h"
#include "settings/settings_folder.h"
#include "text/date_time_locale.h"

#include <string>

namespace wyndrel::app {

inline constexpr const char* InstanceMutexName = "Torvane's App - Wyndrel";
inline constexpr const char* MainWindowClassName = "TfrmWyndrel";

// What the entry point builds around the portable start-up: the main window and the loop.
class IResidentHost {
public:
    virtual ~IResidentHost() = default;
    // Creates the main window (its FormCreate runs); shown when the loop starts if `show`.
    virtual void CreateMainWindow(bool show) = 0;
    // Runs until the program is told to quit.
    virtual void RunMessageLoop() = 0;
};

struct TResidentPorts {
    IDesktop& Desktop;
    IResidentProcess& Process;
    IUserInterface& UserInterface;
    IFiles& Files;
};

enum class TResidentOutcome { HandedOver, Ran };

// When another copy runs, wakes its window (if it has one) and returns HandedOver at once;
// so does a start whose mutex a copy started at the same moment made first. Else runs the
// program to its end. The temporary layout file of `folder` is removed at the end of a run,
// never by a hand-over: it belongs to the running copy, whose put-in-order reads it.
TResidentOutcome RunResident(const TResidentPorts& ports, settings::TIniAccess& ini,
                             text::TDateTimeLocale& locale, const settings::TSettingsFolder& folder,
                             IResidentHost& host);

}  // namespace wyndrel::app
