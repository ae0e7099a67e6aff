// The helpers read through a 511-character buffer and the platform's profile-integer read,
// so their limits are the ones settings files written by earlier versions were read with.
#include "settings/ini_access.h"

#include "platform/storable_path.h"
#include "settings/profile.h"
#include "text/case_mapping.h"
#include "text/number_parse.h"

namespace wyndrel::settings {
namespace {

constexpr std::size_t IniStringBufferSize = 511;

}  // namespace

std::string BoolToIniStr(bool value) { return value ? "True" : "False"; }

bool IniStrToBool(std::string_view text, bool defaultValue) {
    std::string upper = text::AsciiUpper(text);
    if (upper == "TRUE" || upper == "YES") return true;
    if (upper == "FALSE" || upper == "NO") return false;
    auto number = text::ParseInt64(text);
    return number ? *number != 0 : defaultValue;
}

std::string TIniAccess::ReadIniString(std::string_view section, std::string_view key, std::string_view defaultText) {
    return ProfileReadString(FFiles, section, key, defaultText, IniStringBufferSize, IniFileName);
}

std::int32_t TIniAccess::ReadIniInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) {
    return ProfileReadInteger(FFiles, section, key, defaultValue, IniFileName);
}

bool TIniAccess::ReadIniBool(std::string_view section, std::string_view key, bool defaultValue) {
    return IniStrToBool(ReadIniString(section, key, BoolToIniStr(defaultValue)), defaultValue);
}

void TIniAccess::WriteIniString(std::string_view section, std::string_view key, std::string_view value) {
    ProfileWriteString(FFiles, section, key, value, IniFileName);
}

void TIniAccess::WriteIniInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteIniString(section, key, text::IntToStr(value));
}

std::optional<TPlatformError> TIniAccess::WriteIniPath(std::string_view section, std::string_view key,
                                                      const std::string& path) {
    auto stored = StorablePath(FFiles, path);
    if (auto* error = std::get_if<TPlatformError>(&stored)) return *error;
    WriteIniString(section, key, std::get<std::string>(stored));
    return std::nullopt;
}

std::optional<TPlatformError> TIniAccess::WriteRefusal() { return ProfileWriteRefusal(FFiles, IniFileName); }

void TIniAccess::WriteIniBool(std::string_view section, std::string_view key, bool value) {
    WriteIniString(section, key, BoolToIniStr(value));
}

}  // namespace wyndrel::settings
