// The one dialog for choosing a file to add to a list (the favourites, the auto-save list):
// the editor's own document types as its file types, the choice in its stored spelling.
#pragma once

#include "platform/files.h"
#include "platform/types.h"
#include "platform/user_interface.h"

#include <optional>
#include <string>

namespace wyndrel::dialogs {

// The file-type list from the editor's settings file beside `editorPath` (each filter key's
// default where the file or a key is missing), followed by "all files".
std::string BuildDocFilter(IFiles& files, const std::string& editorPath);

// The open dialog titled `title` over `owner`; the chosen file in the form the file system
// stores it (long names, stored letter case), or none when the user cancelled.
std::optional<std::string> SelectFileToAdd(IUserInterface& ui, IFiles& files,
                                           const std::string& editorPath, const std::string& title,
                                           WindowId owner);

}  // namespace wyndrel::dialogs
