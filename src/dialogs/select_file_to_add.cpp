// The file-type list read from the editor's settings, and the open dialog built on it.
#include "dialogs/select_file_to_add.h"

#include "settings/long_path.h"
#include "settings/setting_keys.h"
#include "settings/settings_file.h"

namespace wyndrel::dialogs {

std::string BuildDocFilter(IFiles& files, const std::string& editorPath) {
    // A settings object of its own: the program's own settings file stays the one in use.
    settings::TSettingsFile editorSettings(files, settings::EditorIniFileName(editorPath));
    std::string filter;
    for (std::size_t row = 0; row < settings::EditorFilterKeys.size(); ++row) {
        const settings::TEditorFilterKey& key = settings::EditorFilterKeys[row];
        std::string patterns = editorSettings.Read(key);
        filter += std::string(key.Label) + patterns + ")|" + patterns;
        if (row + 1 < settings::EditorFilterKeys.size()) filter += "|";
    }
    return filter + "|全てのファイル(*.*)|*.*";
}

std::optional<std::string> SelectFileToAdd(IUserInterface& ui, IFiles& files,
                                           const std::string& editorPath, const std::string& title,
                                           WindowId owner) {
    TFileDialog dialog;
    dialog.Title = title;
    dialog.Filter = BuildDocFilter(files, editorPath);
    dialog.DefaultExtension = "txt";
    dialog.FileMustExist = true;
    dialog.ShortcutsAsFiles = true;
    dialog.Owner = owner;
    std::optional<std::string> chosen = ui.ShowOpenDialog(dialog);
    if (!chosen) return std::nullopt;
    return settings::GetLongPathForm(files, *chosen);
}

}  // namespace wyndrel::dialogs
