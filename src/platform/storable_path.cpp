// A look-alike ("cafe" for "café") would name a file that does not exist, so a path the code
// page cannot hold falls back only to a name of the same file, never to a conversion of it.
#include "platform/storable_path.h"

namespace wyndrel {
namespace {

constexpr std::uint32_t NoMappingInCodePage = 1113;

TPlatformError UnstorablePathError(const std::string& path) {
    std::string message = "パス '";
    message += path;
    message +=
        "' "
        "には、このシステムの文字コードで保存できない文字が含まれ、短い名前(8.3形式)もありません。";
    return TPlatformError{"EConvertError", message, NoMappingInCodePage};
}

}  // namespace

std::variant<std::string, TPlatformError> StorablePath(IFiles& files, const std::string& path) {
    if (files.FitsCodePage(path)) return path;
    std::optional<std::string> shortPath = files.ShortPath(path);
    if (shortPath && files.FitsCodePage(*shortPath)) return *shortPath;
    return UnstorablePathError(path);
}

}  // namespace wyndrel
