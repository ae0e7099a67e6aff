// Storing the options dialog's two file lists in the settings file: the favourites (which also
// rebuild the main window's favourites menu) and the auto-save list.
#pragma once

#include "platform/files.h"
#include "platform/resident_process.h"
#include "platform/user_interface.h"
#include "settings/ini_access.h"

#include <functional>
#include <string>
#include <vector>

namespace wyndrel::dialogs {

struct TFileListSavePorts {
    settings::TIniAccess& Ini;
    IFiles& Files;
    IUserInterface& Ui;
    IResidentProcess& Process;
};

// The main window's favourites menu made anew from the saved entries, in their order.
using TRebuildFavoritesMenu = std::function<void(const std::vector<std::string>& entries)>;

// ItemCount and File<n> of section Favorites, then the menu. An entry the settings file
// cannot hold (see StorablePath) is left out rather than stored as another path; the lists
// refuse such paths when they are added, so that only happens to a file gone since. False
// when the file refused a write: the error box has said so, and the menu stays as it was.
bool SaveFavoritesList(const std::vector<std::string>& entries, const TFileListSavePorts& ports,
                       const TRebuildFavoritesMenu& rebuildMenu);

// FileCount and File<n> of section AutoSave; the auto-save pass reads them at every pass.
// False, told in the error box, when the file refused a write.
bool SaveAutoSaveList(const std::vector<std::string>& entries, const TFileListSavePorts& ports);

}  // namespace wyndrel::dialogs
