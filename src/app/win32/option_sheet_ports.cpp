// The sheets' ports on the resident program's own adapters.
#include "app/win32/option_sheet_ports.h"

#include "platform/win32/windows_header.h"
#include "settings/long_path.h"

namespace wyndrel::app::win32 {
namespace {

// A file to add to a list: any existing file, in the form the disk stores its path.
std::optional<std::string> ChooseFileToAdd(IUserInterface& ui, IFiles& files, const std::string& title) {
    TFileDialog dialog;
    dialog.Title = title;
    dialog.Filter = "全てのファイル(*.*)|*.*";
    dialog.DefaultExtension = "txt";
    dialog.FileMustExist = true;
    std::optional<std::string> path = ui.ShowOpenDialog(dialog);
    if (!path) return std::nullopt;
    return settings::GetLongPathForm(files, *path);
}

}  // namespace

dialogs::TOptionSheetsPorts OptionSheetPorts(const TPorts& ports, IResidentProcess& process,
                                             settings::TIniAccess& ini, const std::string& editorPath,
                                             dialogs::TRebuildFavoritesMenu rebuildFavoritesMenu) {
    IUserInterface& ui = ports.UserInterface;
    IFiles& files = ports.Files;
    return dialogs::TOptionSheetsPorts{
        dialogs::TSaveSheetPorts{ports.Clock, ports.Regional,
                                 [] {
                                     POINT at{};
                                     ::GetCursorPos(&at);
                                     return Point{at.x, at.y};
                                 }},
        dialogs::TFileListPorts{ui, files,
                                [&ui, &files](const std::string& title) { return ChooseFileToAdd(ui, files, title); }},
        dialogs::TFileListSavePorts{ini, files, ui, process}, std::move(rebuildFavoritesMenu), editorPath};
}

}  // namespace wyndrel::app::win32
