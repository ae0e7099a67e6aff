// Reading a version resource as the platform's VerQueryValue does: a tree of nodes (length,
// value length, type, UTF-16 key, value, children), each aligned on four bytes. Every read
// stays inside the block and inside its node, whatever the block holds.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wyndrel::dialogs {

struct TVersionValue {
    std::span<const std::uint8_t> Data;  // the value's bytes, cut at its node's end
    std::uint32_t Length = 0;  // as the platform reports it: characters for text, else bytes
    bool IsText = false;
};

// The value at `subBlock` ("\" for the root's fixed part, "\VarFileInfo\Translation",
// "\StringFileInfo\041103A4\FileVersion"); keys compare without regard to case. None when a
// key on the way is missing.
std::optional<TVersionValue> QueryVersionValue(std::span<const std::uint8_t> block,
                                               std::string_view subBlock);

// A text value as UTF-8, up to its length or its first zero character.
std::string VersionText(const TVersionValue& value);

struct TTranslation {
    std::uint16_t Language = 0;
    std::uint16_t CodePage = 0;
    friend bool operator==(const TTranslation&, const TTranslation&) = default;
};
// The pairs of a translation table, in order.
std::vector<TTranslation> VersionTranslations(const TVersionValue& value);

// The fixed part's fields that are read; none when the value is too short to hold them.
struct TFixedFileInfo {
    std::uint32_t FileFlags = 0;
    std::uint32_t FileType = 0;
};
std::optional<TFixedFileInfo> VersionFixedInfo(const TVersionValue& value);

}  // namespace wyndrel::dialogs
