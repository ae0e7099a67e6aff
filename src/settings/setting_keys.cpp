// Names of numbered keys and the editor's settings-file path.
#include "settings/setting_keys.h"

#include "text/number_parse.h"
#include "text/path_split.h"

namespace wyndrel::settings {

std::string TNumberedKey::Name(int index) const { return std::string(Prefix) + text::IntToStr(index); }

std::string EditorIniFileName(std::string_view editorPath) { return text::ChangeFileExt(editorPath, ".ini"); }

}  // namespace wyndrel::settings
