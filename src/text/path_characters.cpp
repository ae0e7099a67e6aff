// The characters the platform refuses in file and folder names, besides the separators.
#include "text/path_characters.h"

namespace wyndrel::text {

bool CanBeWindowsPath(std::string_view path) {
    for (const char c : path) {
        if (static_cast<unsigned char>(c) < 32) return false;
        if (std::string_view("\"<>|?*").find(c) != std::string_view::npos) return false;
    }
    return true;
}

}  // namespace wyndrel::text
