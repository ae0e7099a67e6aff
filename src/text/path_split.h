// Splitting file paths: the folder part ends with the last "\", "/" or ":", the name is the rest.
#pragma once

#include <string>
#include <string_view>

namespace wyndrel::text {

// The folder part, up to and including the last separator ("" when there is none).
std::string_view ExtractFilePath(std::string_view path);
// The name part after the last separator.
std::string_view ExtractFileName(std::string_view path);
// The path with the extension of its name part (from its last ".") replaced by `extension`.
std::string ChangeFileExt(std::string_view path, std::string_view extension);

}  // namespace wyndrel::text
