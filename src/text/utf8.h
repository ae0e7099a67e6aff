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

// The longest start of the text that takes at most `units` UTF-16 code units, never cutting
// a character (nor a surrogate pair) in two: text sized for a platform's fixed wide field.
std::string_view FirstUtf16Units(std::string_view text, size_t units);

}  // namespace wyndrel::text
