// The choice of the settings folder, made through the file port before any setting is read.
#include "settings/settings_folder.h"

#include "text/path_split.h"

namespace wyndrel::settings {
namespace {

// The settings a user had beside a program unpacked where it may not write, brought along
// once; a copy that fails leaves the user's folder without a file, which reads as defaults.
void CopyOnce(IFiles& files, const std::string& from, const std::string& to) {
    if (files.FileExists(to) || !files.FileExists(from)) return;
    TReadResult read = files.ReadTextFile(from);
    if (const std::string* text = std::get_if<std::string>(&read))
        files.WriteTextFileAtomically(to, *text);
}

}  // namespace

TSettingsFolder DecideSettingsFolder(IFiles& files, const std::string& exePath) {
    const std::string besideIni = text::ChangeFileExt(exePath, ".ini");
    TSettingsFolder beside(std::string(text::ExtractFilePath(exePath)),
                           std::string(text::ExtractFileName(besideIni)));
    if (files.CanWriteFile(besideIni)) return beside;
    const std::optional<std::string> appData = files.UserAppDataFolder();
    if (!appData) return beside;
    const std::string folder = *appData + "\\" + std::string(UserFolderName);
    if (!files.CreateFolder(folder)) return beside;
    TSettingsFolder user(folder + "\\", std::string(UserIniFileName));
    CopyOnce(files, besideIni, user.IniPath());
    return user;
}

}  // namespace wyndrel::settings
