// Strings and strict integers are read through a 2048-character buffer, the size this object
// has always read with; scanned integers through the same profile-integer read as the helpers.
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

std::string TSettingsFile::ReadString(std::string_view section, std::string_view key,
                                      std::string_view defaultText) {
    return ProfileReadString(FFiles, section, key, defaultText, SettingsFileBufferSize, FFileName);
}

std::int32_t TSettingsFile::ReadInteger(std::string_view section, std::string_view key,
                                        std::int32_t defaultValue) {
    std::string value = ReadString(section, key, "");
    std::string_view text = value;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::string hexadecimal = "$";
        hexadecimal += text.substr(2);
        return text::ParseInt32(hexadecimal).value_or(defaultValue);
    }
    return text::ParseInt32(text).value_or(defaultValue);
}

std::string TSettingsFile::Read(const TStringKey& key) {
    RequireOwnDefault(key.DefaultFromCaller, key.Name);
    return Read(key, key.Default);
}

std::string TSettingsFile::Read(const TStringKey& key, std::string_view callerDefault) {
    return ReadString(key.Section, key.Name, callerDefault);
}

std::string TSettingsFile::Read(const TNumberedStringKey& key, int index) {
    return Read(key, index, key.Default);
}

std::string TSettingsFile::Read(const TNumberedStringKey& key, int index,
                                std::string_view callerDefault) {
    return ReadString(key.Section, key.Name(index), callerDefault);
}

std::string TSettingsFile::Read(const TEditorFilterKey& key) {
    return ReadString(EditorFilterSection, key.Name, key.Default);
}

std::int32_t TSettingsFile::Read(const TIntegerKey& key) {
    RequireOwnDefault(key.DefaultFromCaller, key.Name);
    return Read(key, key.Default);
}

std::int32_t TSettingsFile::Read(const TIntegerKey& key, std::int32_t callerDefault) {
    return ReadInteger(key.Read, key.Section, key.Name, callerDefault);
}

std::int32_t TSettingsFile::Read(const TNumberedIntegerKey& key, int index,
                                 std::int32_t callerDefault) {
    return ReadInteger(key.Read, key.Section, key.Name(index), callerDefault);
}

std::int32_t TSettingsFile::ReadInteger(TIntegerRead read, std::string_view section,
                                        std::string_view key, std::int32_t defaultValue) {
    if (ReadsStrictly(read, FPlace)) return ReadInteger(section, key, defaultValue);
    return ProfileReadInteger(FFiles, section, key, defaultValue, FFileName);
}

void TSettingsFile::WriteInteger(std::string_view section, std::string_view key,
                                 std::int32_t value) {
    if (ProfileWriteString(FFiles, section, key, text::IntToStr(value), FFileName))
        throw ESettingsWriteError(CannotWriteText(FFileName));
}

}  // namespace wyndrel::settings
