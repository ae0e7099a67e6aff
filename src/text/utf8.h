// Walking UTF-8 text by characters: the program's strings are UTF-8 inside.
#pragma once

#include <string>
#include <string_view>

namespace wyndrel::text {

// The code point starting at `position`, and how many bytes it takes. A byte that does
// not start a well-formed sequence is returned as itself, one byte long.
struct TCodePoint {
    char32_t Value;
    size_t Length;
};
TCodePoint DecodeAt(std::string_view text, size_t position);

void AppendUtf8(std::string& out, char32_t codePoint);

// Number of characters (code points) in the text.
size_t CharacterCount(std::string_view text);

// The first `count` characters of the text, never cutting a character in two.
std::string_view FirstCharacters(std::string_view text, size_t count);

}  // namespace wyndrel::text
