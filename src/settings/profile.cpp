// Reads treat a missing or unreadable file as an empty one, as the platform's profile
// functions do; writes go through the port's atomic replacement.
#include "settings/profile.h"

#include "settings/ini_text.h"
#include "text/number_parse.h"
#include "text/trim.h"
#include "text/utf8.h"

namespace wyndrel::settings {
namespace {

std::string FileText(IFiles& files, const std::string& fileName) {
    if (fileName.empty()) return {};
    TReadResult read = files.ReadTextFile(fileName);
    if (auto* text = std::get_if<std::string>(&read)) return std::move(*text);
    return {};
}

}  // namespace

std::string ProfileReadString(IFiles& files, std::string_view section, std::string_view key,
                                    std::string_view defaultText, std::size_t bufferSize, const std::string& fileName) {
    if (bufferSize == 0) return {};
    auto value = FindIniValue(FileText(files, fileName), section, key);
    std::string_view result = value ? std::string_view(*value) : text::TrimRight(defaultText);
    return std::string(text::FirstCharacters(result, bufferSize - 1));
}

std::int32_t ProfileReadInteger(IFiles& files, std::string_view section, std::string_view key,
                                  std::int32_t defaultValue, const std::string& fileName) {
    auto value = FindIniValue(FileText(files, fileName), section, key);
    if (!value || value->empty()) return defaultValue;
    return text::ScanInt32(*value);
}

std::optional<TPlatformError> ProfileWriteString(IFiles& files, std::string_view section, std::string_view key,
                                                        std::string_view value, const std::string& fileName) {
    if (fileName.empty()) return TPlatformError{"EInOutError", "The system cannot find the path specified.", 3};
    TReadResult read = files.ReadTextFile(fileName);
    std::string old;
    if (auto* text = std::get_if<std::string>(&read)) {
        old = std::move(*text);
    } else if (std::get<TPlatformError>(read).Code != 2) {
        // Only a missing file may be created; an unreadable one is not overwritten blind.
        return std::get<TPlatformError>(read);
    }
    return files.WriteTextFileAtomically(fileName, SetIniValue(old, section, key, value));
}

}  // namespace wyndrel::settings
