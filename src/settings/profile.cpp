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

// The text a write starts from: empty for a missing file in an existing folder; otherwise
// the read's error, as only a missing file may be created and an unreadable one is not
// overwritten blind.
std::variant<std::string, TPlatformError> TextToUpdate(IFiles& files, const std::string& fileName) {
    if (fileName.empty())
        return TPlatformError{"EInOutError", "The system cannot find the path specified.", 3};
    TReadResult read = files.ReadTextFile(fileName);
    if (auto* error = std::get_if<TPlatformError>(&read); error && error->Code == 2)
        return std::string();
    return read;
}

}  // namespace

std::string ProfileReadString(IFiles& files, std::string_view section, std::string_view key,
                              std::string_view defaultText, std::size_t bufferSize,
                              const std::string& fileName) {
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

std::optional<TPlatformError> ProfileWriteRefusal(IFiles& files, const std::string& fileName) {
    auto text = TextToUpdate(files, fileName);
    if (auto* error = std::get_if<TPlatformError>(&text)) return *error;
    return std::nullopt;
}

std::optional<TPlatformError> ProfileWriteString(IFiles& files, std::string_view section,
                                                 std::string_view key, std::string_view value,
                                                 const std::string& fileName) {
    auto old = TextToUpdate(files, fileName);
    if (auto* error = std::get_if<TPlatformError>(&old)) return *error;
    return files.WriteTextFileAtomically(
        fileName, SetIniValue(std::get<std::string>(old), section, key, value));
}

}  // namespace wyndrel::settings
