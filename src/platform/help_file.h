// The program's help: a WinHelp file beside the program where one lies there, else the
// manual "wyndrel.html" beside it. The help entries are there while either file exists.
#pragma once

#include "platform/files.h"
#include "platform/help_viewer.h"

#include <optional>
#include <string>
#include <string_view>

namespace wyndrel {

inline constexpr std::string_view ManualFileName = "wyndrel.html";

struct THelpFiles {
    std::string WinHelp;  // the program's path with ".hlp"
    std::string Manual;   // "wyndrel.html" in the program's folder

    static THelpFiles Beside(std::string_view exePath);
};

// The file the help commands open: the WinHelp file where it exists, else the manual where
// it exists, else none (and the help entries are not shown).
std::optional<std::string> HelpFileToShow(const THelpFiles& help, IFiles& files);

// The contents of the file to show; nothing when there is none.
void ShowHelpContents(const THelpFiles& help, IFiles& files, IHelpViewer& viewer);
// A topic of the WinHelp file; the manual has no numbered topics and is opened whole.
void ShowHelpTopic(const THelpFiles& help, IFiles& files, IHelpViewer& viewer, int topic);

}  // namespace wyndrel
