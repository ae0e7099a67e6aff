// Where the program keeps its own files (the settings file, the scatter's snapshot, and any
// file of its own to come): beside the program where that folder takes writes, else in the
// user's own application-data folder. Decided once at start-up and handed to every part
// that names one of those files.
#pragma once

#include "platform/files.h"

#include <string>
#include <string_view>

namespace wyndrel::settings {

inline constexpr std::string_view UserFolderName = "Wyndrel";
inline constexpr std::string_view UserIniFileName = "wyndrel.ini";
inline constexpr std::string_view SnapshotFileName = "VOREZUVA.KTDK";

class TSettingsFolder {
public:
    // `folder` ends with its separator; `iniName` is the settings file's name in it.
    TSettingsFolder(std::string folder, std::string iniName)
        : FFolder(std::move(folder)), FIniName(std::move(iniName)) {}

    const std::string& Folder() const { return FFolder; }
    std::string File(std::string_view name) const { return FFolder + std::string(name); }
    std::string IniPath() const { return File(FIniName); }
    // The layout from before the first scatter, which put in order brings back.
    std::string SnapshotPath() const { return File(SnapshotFileName); }

private:
    std::string FFolder;
    std::string FIniName;
};

// Beside `exePath`, with its settings file named as the program with ".ini", when a settings
// file there can be created or written (portable use). Otherwise %APPDATA%\Wyndrel\ with
// "wyndrel.ini", the folder made when missing, and a settings file beside the program that
// can still be read copied there the first time, so nothing the user set is lost. Where that
// folder cannot be had either, beside the program all the same: its settings are read.
TSettingsFolder DecideSettingsFolder(IFiles& files, const std::string& exePath);

}  // namespace wyndrel::settings
