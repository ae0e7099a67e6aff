// Resolved from the root outwards, one component per step, since a missing folder leaves
// everything beneath it unresolvable too.
#include "settings/long_path.h"

#include "text/path_split.h"

namespace wyndrel::settings {
namespace {

// "\\", "\\server" and "\\server\share": nothing of these can be looked up as a file.
bool IsNetworkRoot(std::string_view path) {
    if (path.size() < 2 || path[0] != '\\' || path[1] != '\\') return false;
    std::string_view rest = path.substr(2);
    size_t separator = rest.find('\\');
    return separator == std::string_view::npos ||
           rest.find('\\', separator + 1) == std::string_view::npos;
}

}  // namespace

std::string GetLongPathForm(IFiles& files, std::string_view path) {
    std::string_view folder = text::ExtractFilePath(path);
    std::string_view name = text::ExtractFileName(path);
    if (name.empty() || IsNetworkRoot(path)) return std::string(path);

    std::string longFolder;
    if (!folder.empty()) {
        bool endsWithSeparator = folder.back() == '\\';
        if (endsWithSeparator) folder.remove_suffix(1);
        longFolder = GetLongPathForm(files, folder);
        if (endsWithSeparator && (longFolder.empty() || longFolder.back() != '\\'))
            longFolder += '\\';
    }
    auto stored = files.StoredName(longFolder + std::string(name));
    return longFolder + (stored ? *stored : std::string(name));
}

}  // namespace wyndrel::settings
