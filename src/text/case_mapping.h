// Letter-case mapping: the locale's upper- and lower-casing used to compare file paths,
// and the ASCII-only upper-casing of the settings' Boolean words.
#pragma once

#include <string>
#include <string_view>

namespace wyndrel::text {

// Maps every letter with a simple one-to-one case pair (Latin, Greek, Cyrillic and the
// full-width Latin letters of the Japanese code page); other characters stay as they are.
std::string LocaleUpper(std::string_view text);
std::string LocaleLower(std::string_view text);

std::string AsciiUpper(std::string_view text);

// Equal after locale upper-casing of both sides.
bool SameTextIgnoringCase(std::string_view left, std::string_view right);

}  // namespace wyndrel::text
