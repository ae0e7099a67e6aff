// Reads go through a 2048-character buffer, the size this object has always read with.
#include "settings/settings_file.h"

#include "settings/profile.h"
#include "text/number_parse.h"

namespace wyndrel::settings {
namespace {

constexpr std::size_t SettingsFileBufferSize = 2048;
constexpr std::string_view CannotWriteFormat = "%s に書き込めません";

}  // namespace

std::string CannotWriteText(const std::string& fileName) {
    size_t at = CannotWriteFormat.find("%s");
    std::string message(CannotWriteFormat.substr(0, at));
    message += fileName;
    message += CannotWriteFormat.substr(at + 2);
    return message;
}

std::string TSettingsFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultText) {
    return ProfileReadString(FFiles, section, key, defaultText, SettingsFileBufferSize, FFileName);
}

std::int32_t TSettingsFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) {
    std::string value = ReadString(section, key, "");
    std::string_view text = value;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::string hexadecimal = "$";
        hexadecimal += text.substr(2);
        return text::ParseInt32(hexadecimal).value_or(defaultValue);
    }
    return text::ParseInt32(text).value_or(defaultValue);
}

void TSettingsFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    if (ProfileWriteString(FFiles, section, key, text::IntToStr(value), FFileName))
        throw ESettingsWriteError(CannotWriteText(FFileName));
}

}  // namespace wyndrel::settings
