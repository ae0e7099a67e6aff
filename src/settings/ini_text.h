// The text of an INI file with the platform's private-profile rules: finding one value and
// setting one value while every other line stays exactly as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wyndrel::settings {

// The value of `key` in `section`: names compared without regard to letter case and with
// the blanks around them ignored; the first section of that name and its first line of that
// key count. The value loses the blanks around it and one pair of matching single or double
// quotes. No value when the section or the key is missing or the key's line has no "=".
std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key);

// The text with `key` in `section` set to `value`: an existing key line is replaced, a
// missing key is added after the section's last line that is not blank, a missing section
// is added at the end. Line endings follow the file's own (CR LF for a new file).
std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace wyndrel::settings
