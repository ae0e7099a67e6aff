// The typed settings helpers over the one INI file the program uses, `IniFileName`.
// The program creates one TIniAccess at start and hands it to every part that reads settings.
#pragma once

#include "platform/files.h"
#include "settings/setting_keys.h"
#include "settings/settings_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace wyndrel::settings {

// "True" or "False", the spellings every Boolean is written with.
std::string BoolToIniStr(bool value);
// "TRUE"/"YES" and "FALSE"/"NO" in any letter case; else an integer (decimal, or hexadecimal
// after "$", "x" or "0x"), non-zero meaning true; anything else gives `defaultValue`.
bool IniStrToBool(std::string_view text, bool defaultValue);

class TIniAccess {
public:
    explicit TIniAccess(IFiles& files) : FFiles(files) {}

    // Full path of the INI file every helper reads and writes; empty until the program sets it.
    std::string IniFileName;

    // At most 510 characters; the default for a missing key, "" for an empty value.
    std::string ReadIniString(std::string_view section, std::string_view key,
                              std::string_view defaultText);
    // The scanning read: "12abc" gives 12; a missing key or an empty value gives the default.
    std::int32_t ReadIniInteger(std::string_view section, std::string_view key,
                                std::int32_t defaultValue);
    bool ReadIniBool(std::string_view section, std::string_view key, bool defaultValue);

    // Write failures are not reported: a setting that cannot be stored is simply not kept.
    void WriteIniString(std::string_view section, std::string_view key, std::string_view value);
    void WriteIniInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteIniBool(std::string_view section, std::string_view key, bool value);
    // Every path the settings hold (the editor, favourites, the auto-save list) is written so
    // that it names the same file when read back: as its short form where the code page cannot
    // hold it. Where there is none, nothing is written and the error names the path.
    [[nodiscard]] std::optional<TPlatformError> WriteIniPath(std::string_view section,
                                                             std::string_view key,
                                                             const std::string& path);

    // Why writes to the file would be refused before any is tried (see ProfileWriteRefusal),
    // for a step that stores many keys and must not lose them all without a word.
    [[nodiscard]] std::optional<TPlatformError> WriteRefusal();

    // By key, with the key's section, name, default and kind of read: strings of up to 510
    // characters, integers as read anywhere but in the options dialog. A key whose default
    // comes from the caller is read only with one. Steps that read many keys, and the options
    // dialog, read strings and integers through SettingsFile instead.
    std::string Read(const TStringKey& key);
    std::string Read(const TStringKey& key, std::string_view callerDefault);
    std::string Read(const TNumberedStringKey& key, int index);
    bool Read(const TBoolKey& key);
    std::int32_t Read(const TIntegerKey& key);
    std::int32_t Read(const TIntegerKey& key, std::int32_t callerDefault);
    std::int32_t Read(const TNumberedIntegerKey& key, int index, std::int32_t callerDefault);

    // By key; the failure is given back, never raised. A step writes through a TSettingsWriter
    // with its rule for failures: one that ignores them where they are simply not kept.
    [[nodiscard]] std::optional<TPlatformError> Write(const TStringKey& key,
                                                      std::string_view value);
    [[nodiscard]] std::optional<TPlatformError> Write(const TNumberedStringKey& key, int index,
                                                      std::string_view value);
    [[nodiscard]] std::optional<TPlatformError> Write(const TBoolKey& key, bool value);
    [[nodiscard]] std::optional<TPlatformError> Write(const TIntegerKey& key, std::int32_t value);
    [[nodiscard]] std::optional<TPlatformError> Write(const TNumberedIntegerKey& key, int index,
                                                      std::int32_t value);
    // As WriteIniPath: the error names a path the file cannot hold, and nothing is written.
    [[nodiscard]] std::optional<TPlatformError> WritePath(const TStringKey& key,
                                                          const std::string& path);
    [[nodiscard]] std::optional<TPlatformError> WritePath(const TNumberedStringKey& key, int index,
                                                          const std::string& path);
    // The form a path is stored in (see StorablePath), or why it cannot be.
    [[nodiscard]] std::variant<std::string, TPlatformError> StorableForm(const std::string& path);

    // The settings-file object for a step that reads many keys, opened on `IniFileName`;
    // `place` picks the integer read where the key's kind of read differs by place.
    TSettingsFile SettingsFile(TReadPlace place = TReadPlace::Elsewhere) {
        return TSettingsFile(FFiles, IniFileName, place);
    }

private:
    [[nodiscard]] std::optional<TPlatformError> Store(std::string_view section,
                                                      std::string_view key, std::string_view value);
    [[nodiscard]] std::optional<TPlatformError> StorePath(std::string_view section,
                                                          std::string_view key,
                                                          const std::string& path);

    IFiles& FFiles;
};

}  // namespace wyndrel::settings
