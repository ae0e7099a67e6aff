// Paths as a file in the ANSI code page can hold them. Layout files and the settings file stay
// in that code page (peers read them), so a path they store must name the very same file.
#pragma once

#include "platform/files.h"

#include <string>
#include <variant>

namespace wyndrel {

// The path as it stands when the code page holds every character of it; else its short (8.3)
// form when the volume gives one the code page holds, which names the same file; else the
// error that names the path (code 1113), so nothing is stored altered.
[[nodiscard]] std::variant<std::string, TPlatformError> StorablePath(IFiles& files,
                                                                     const std::string& path);

}  // namespace wyndrel
