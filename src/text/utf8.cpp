// UTF-8 decoding and encoding.
#include "text/utf8.h"

namespace wyndrel::text {

TCodePoint DecodeAt(std::string_view text, size_t position) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(position);
    if (lead < 0x80) return {lead, 1};

    size_t length = lead >= 0xF0 && lead <= 0xF4  ? 4
                    : lead >= 0xE0                ? 3
                    : lead >= 0xC2 && lead < 0xE0 ? 2
                                                  : 0;
    if (length == 0 || lead > 0xF4 || position + length > text.size()) return {lead, 1};

    char32_t value = lead & (0xFF >> (length + 1));
    for (size_t i = 1; i < length; ++i) {
        unsigned char next = byte(position + i);
        if ((next & 0xC0) != 0x80) return {lead, 1};
        value = (value << 6) | (next & 0x3F);
    }
    bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    if (overlong || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {lead, 1};
    return {value, length};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

size_t CharacterCount(std::string_view text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); i += DecodeAt(text, i).Length) ++count;
    return count;
}

std::string_view FirstCharacters(std::string_view text, size_t count) {
    size_t i = 0;
    for (size_t taken = 0; taken < count && i < text.size(); ++taken) {
        // Most of what the program reads is ASCII: one byte, one character, no decoding.
        i += static_cast<unsigned char>(text[i]) < 0x80 ? 1 : DecodeAt(text, i).Length;
    }
    return text.substr(0, i);
}

std::string_view FirstUtf16Units(std::string_view text, size_t units) {
    size_t i = 0;
    size_t taken = 0;
    while (i < text.size()) {
        TCodePoint point = DecodeAt(text, i);
        size_t width = point.Value >= 0x10000 ? 2 : 1;
        if (taken + width > units) break;
        taken += width;
        i += point.Length;
    }
    return text.substr(0, i);
}

}  // namespace wyndrel::text
