// The sheets' ports on the resident program's own adapters.
#include "app/win32/option_sheet_ports.h"

#include "dialogs/select_file_to_add.h"
#include "platform/win32/windows_header.h"

namespace wyndrel::app::win32 {

dialogs::TOptionSheetsPorts OptionSheetPorts(const TPorts& ports, IResidentProcess& process,
                                             settings::TIniAccess& ini,
                                             const layout::TEditorPath& editorPath,
                                             std::function<WindowId()> dialog,
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
        dialogs::TFileListPorts{
            ui, files,
            [&ui, &files, &editorPath, dialog = std::move(dialog)](const std::string& title) {
                return dialogs::SelectFileToAdd(ui, files, editorPath.Path(), title, dialog());
            }},
        dialogs::TFileListSavePorts{ini, files, ui, process}, std::move(rebuildFavoritesMenu),
        editorPath};
}

}  // namespace wyndrel::app::win32
