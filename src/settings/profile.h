// The private-profile operations over the file port, named apart from the Win32 macros of
// those calls: one value read or written per call, the file read afresh every time, so an
// edit made while the program runs is seen at once.
#pragma once

#include "platform/files.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wyndrel::settings {

// The value, or `defaultText` without its trailing blanks when the key has no value or the
// file cannot be read; either cut to `bufferSize` - 1 characters, as a buffer of that size
// with its closing NUL holds.
std::string ProfileReadString(IFiles& files, std::string_view section, std::string_view key,
                              std::string_view defaultText, std::size_t bufferSize,
                              const std::string& fileName);

// The value scanned as a decimal integer ("12abc" gives 12); `defaultValue` when the key
// is missing or its value empty.
std::int32_t ProfileReadInteger(IFiles& files, std::string_view section, std::string_view key,
                                std::int32_t defaultValue, const std::string& fileName);

// Why a write to the file would be refused before it is tried: no file name, a missing
// folder, or a file that exists but cannot be read (a write never replaces a text it could
// not read). None when writes may go ahead.
[[nodiscard]] std::optional<TPlatformError> ProfileWriteRefusal(IFiles& files,
                                                                const std::string& fileName);

// Creates the file, the section and the key as needed; every other line stays as it was.
[[nodiscard]] std::optional<TPlatformError> ProfileWriteString(IFiles& files,
                                                               std::string_view section,
                                                               std::string_view key,
                                                               std::string_view value,
                                                               const std::string& fileName);

}  // namespace wyndrel::settings
