// Reading and writing layout files through the file-system port.
#pragma once

#include "layout/layout_file_format.h"
#include "platform/files.h"

#include <variant>

namespace wyndrel::layout {

// The file's content by the layout grammar, or why it could not be read at all.
using TLayoutFileRead = std::variant<TLayoutFileContent, TPlatformError>;

[[nodiscard]] TLayoutFileRead ReadLayoutFile(IFiles& files, const std::string& path);
// The user's explanation of a layout file that could not be read at all.
std::string LayoutReadErrorText(const TPlatformError& error);

// Replaces the file in one step; on failure the previous file stays as it was. A path the
// code page cannot hold is written as its short form, and where it has none nothing is
// written and the error names that path.
[[nodiscard]] std::optional<TPlatformError> WriteLayoutFile(IFiles& files, const std::string& path,
                                                            std::vector<TLayout> entries);

}  // namespace wyndrel::layout
