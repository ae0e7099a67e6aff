// The settings-file object for steps that read many keys at once: longer strings than the
// helpers, the strict integer read, and an integer write that reports its failure.
#pragma once

#include "platform/files.h"
#include "settings/setting_keys.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace wyndrel::settings {

// Raised when a settings value cannot be written; the message names the file.
class ESettingsWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "<file> に書き込めません", the text of a settings write that failed.
std::string CannotWriteText(const std::string& fileName);

class TSettingsFile {
public:
    // `place` picks the integer read of the keys whose kind of read differs by place.
    TSettingsFile(IFiles& files, std::string fileName, TReadPlace place = TReadPlace::Elsewhere)
        : FFiles(files), FFileName(std::move(fileName)), FPlace(place) {}

    const std::string& FileName() const { return FFileName; }

    // By key: strings of up to 2047 characters; integers scanned or strict as the key's kind
    // of read says for this object's place. A key whose default comes from the caller is
    // read only with one.
    std::string Read(const TStringKey& key);
    std::string Read(const TStringKey& key, std::string_view callerDefault);
    std::string Read(const TNumberedStringKey& key, int index);
    std::string Read(const TNumberedStringKey& key, int index, std::string_view callerDefault);
    std::string Read(const TEditorFilterKey& key);
    std::int32_t Read(const TIntegerKey& key);
    std::int32_t Read(const TIntegerKey& key, std::int32_t callerDefault);
    std::int32_t Read(const TNumberedIntegerKey& key, int index, std::int32_t callerDefault);

    // At most 2047 characters; the default for a missing key.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultText);
    // The strict read: the whole value must be one integer ("0x1F" is 31, "12abc" is not a
    // number); otherwise, and for a missing key or an empty value, the default.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue);
    // Raises ESettingsWriteError "<file> に書き込めません" when the write fails.
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);

private:
    std::int32_t ReadInteger(TIntegerRead read, std::string_view section, std::string_view key,
                             std::int32_t defaultValue);

    IFiles& FFiles;
    std::string FFileName;
    TReadPlace FPlace;
};

}  // namespace wyndrel::settings
