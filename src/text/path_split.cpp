// Path splitting on "\", "/" and ":", the separators the platform accepts in file names.
#include "text/path_split.h"

namespace wyndrel::text {
namespace {

size_t NameStart(std::string_view path) {
    size_t separator = path.find_last_of("\\/:");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

}  // namespace

std::string_view ExtractFilePath(std::string_view path) { return path.substr(0, NameStart(path)); }

std::string_view ExtractFileName(std::string_view path) { return path.substr(NameStart(path)); }

std::string ChangeFileExt(std::string_view path, std::string_view extension) {
    size_t nameStart = NameStart(path);
    size_t dot = path.find_last_of('.');
    size_t stem = dot != std::string_view::npos && dot >= nameStart ? dot : path.size();
    return std::string(path.substr(0, stem)) + std::string(extension);
}

}  // namespace wyndrel::text
