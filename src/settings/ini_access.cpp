// The helpers read through a 511-character buffer and the platform's profile-integer read,
// so their limits are the ones settings files written by earlier versions were read with.
#include "settings/ini_access.h"

#include "platform/go_on_regardless.h"
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

std::string TIniAccess::ReadIniString(std::string_view section, std::string_view key,
                                      std::string_view defaultText) {
    return ProfileReadString(FFiles, section, key, defaultText, IniStringBufferSize, IniFileName);
}

std::int32_t TIniAccess::ReadIniInteger(std::string_view section, std::string_view key,
                                        std::int32_t defaultValue) {
    return ProfileReadInteger(FFiles, section, key, defaultValue, IniFileName);
}

bool TIniAccess::ReadIniBool(std::string_view section, std::string_view key, bool defaultValue) {
    return IniStrToBool(ReadIniString(section, key, BoolToIniStr(defaultValue)), defaultValue);
}

void TIniAccess::WriteIniString(std::string_view section, std::string_view key,
                                std::string_view value) {
    // A setting that cannot be stored is simply not kept.
    GoOnRegardless(Store(section, key, value));
}

void TIniAccess::WriteIniInteger(std::string_view section, std::string_view key,
                                 std::int32_t value) {
    WriteIniString(section, key, text::IntToStr(value));
}

std::optional<TPlatformError> TIniAccess::WriteIniPath(std::string_view section,
                                                       std::string_view key,
                                                       const std::string& path) {
    return StorePath(section, key, path);
}

std::optional<TPlatformError> TIniAccess::WriteRefusal() {
    return ProfileWriteRefusal(FFiles, IniFileName);
}

void TIniAccess::WriteIniBool(std::string_view section, std::string_view key, bool value) {
    WriteIniString(section, key, BoolToIniStr(value));
}

std::string TIniAccess::Read(const TStringKey& key) {
    RequireOwnDefault(key.DefaultFromCaller, key.Name);
    return Read(key, key.Default);
}

std::string TIniAccess::Read(const TStringKey& key, std::string_view callerDefault) {
    return ReadIniString(key.Section, key.Name, callerDefault);
}

std::string TIniAccess::Read(const TNumberedStringKey& key, int index) {
    return ReadIniString(key.Section, key.Name(index), key.Default);
}

bool TIniAccess::Read(const TBoolKey& key) {
    return ReadIniBool(key.Section, key.Name, key.Default);
}

std::int32_t TIniAccess::Read(const TIntegerKey& key) { return SettingsFile().Read(key); }

std::int32_t TIniAccess::Read(const TIntegerKey& key, std::int32_t callerDefault) {
    return SettingsFile().Read(key, callerDefault);
}

std::int32_t TIniAccess::Read(const TNumberedIntegerKey& key, int index,
                              std::int32_t callerDefault) {
    return SettingsFile().Read(key, index, callerDefault);
}

std::optional<TPlatformError> TIniAccess::Write(const TStringKey& key, std::string_view value) {
    return Store(key.Section, key.Name, value);
}

std::optional<TPlatformError> TIniAccess::Write(const TNumberedStringKey& key, int index,
                                                std::string_view value) {
    return Store(key.Section, key.Name(index), value);
}

std::optional<TPlatformError> TIniAccess::Write(const TBoolKey& key, bool value) {
    return Store(key.Section, key.Name, BoolToIniStr(value));
}

std::optional<TPlatformError> TIniAccess::Write(const TIntegerKey& key, std::int32_t value) {
    return Store(key.Section, key.Name, text::IntToStr(value));
}

std::optional<TPlatformError> TIniAccess::Write(const TNumberedIntegerKey& key, int index,
                                                std::int32_t value) {
    return Store(key.Section, key.Name(index), text::IntToStr(value));
}

std::optional<TPlatformError> TIniAccess::WritePath(const TStringKey& key,
                                                    const std::string& path) {
    return StorePath(key.Section, key.Name, path);
}

std::optional<TPlatformError> TIniAccess::WritePath(const TNumberedStringKey& key, int index,
                                                    const std::string& path) {
    return StorePath(key.Section, key.Name(index), path);
}

std::variant<std::string, TPlatformError> TIniAccess::StorableForm(const std::string& path) {
    return StorablePath(FFiles, path);
}

std::optional<TPlatformError> TIniAccess::Store(std::string_view section, std::string_view key,
                                                std::string_view value) {
    return ProfileWriteString(FFiles, section, key, value, IniFileName);
}

std::optional<TPlatformError> TIniAccess::StorePath(std::string_view section, std::string_view key,
                                                    const std::string& path) {
    auto stored = StorableForm(path);
    if (auto* error = std::get_if<TPlatformError>(&stored)) return *error;
    // Only a path the file cannot hold is told; a refused write is not kept, as any key's.
    GoOnRegardless(Store(section, key, std::get<std::string>(stored)));
    return std::nullopt;
}

}  // namespace wyndrel::settings
