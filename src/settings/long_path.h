// The long form of a path: every existing component as the file system stores it.
#pragma once

#include "platform/files.h"

#include <string>
#include <string_view>

namespace wyndrel::settings {

// Each existing component takes its stored name (the long name in place of a short 8.3
// alias, the stored letter case); components that do not exist stay as given. A network
// path keeps its leading "\\", server and share names as given, and the rest is resolved.
std::string GetLongPathForm(IFiles& files, std::string_view path);

}  // namespace wyndrel::settings
