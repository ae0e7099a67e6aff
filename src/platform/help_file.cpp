// A ".hlp" file the user put beside the program still wins: whoever kept one has a viewer for
// it. The manual that comes in the archive is the help everyone else gets.
#include "platform/help_file.h"

#include "text/path_split.h"

namespace wyndrel {

THelpFiles THelpFiles::Beside(std::string_view exePath) {
    std::string manual(text::ExtractFilePath(exePath));
    manual += ManualFileName;
    return {text::ChangeFileExt(exePath, ".hlp"), manual};
}

std::optional<std::string> HelpFileToShow(const THelpFiles& help, IFiles& files) {
    if (files.FileExists(help.WinHelp)) return help.WinHelp;
    if (files.FileExists(help.Manual)) return help.Manual;
    return std::nullopt;
}

void ShowHelpContents(const THelpFiles& help, IFiles& files, IHelpViewer& viewer) {
    if (std::optional<std::string> file = HelpFileToShow(help, files))
        viewer.ShowHelpContents(*file);
}

void ShowHelpTopic(const THelpFiles& help, IFiles& files, IHelpViewer& viewer, int topic) {
    const std::optional<std::string> file = HelpFileToShow(help, files);
    if (!file) return;
    if (*file == help.WinHelp)
        viewer.ShowHelpTopic(*file, topic);
    else
        viewer.ShowHelpContents(*file);
}

}  // namespace wyndrel
