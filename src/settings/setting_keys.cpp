// Names of numbered keys, the check of a caller's default, and the editor's settings-file path.
#include "settings/setting_keys.h"

#include "text/number_parse.h"
#include "text/path_split.h"

#include <stdexcept>

namespace wyndrel::settings {

std::string TNumberedKey::Name(int index) const {
    return std::string(Prefix) + text::IntToStr(index);
}

void RequireOwnDefault(bool defaultFromCaller, std::string_view name) {
    if (defaultFromCaller)
        throw std::logic_error(std::string(name) + " is read with the caller's default");
}

std::string EditorIniFileName(std::string_view editorPath) {
    return text::ChangeFileExt(editorPath, ".ini");
}

}  // namespace wyndrel::settings
