// Simple Unicode case pairs for the scripts a Japanese Windows code page can hold.
#include "text/case_mapping.h"

#include "text/utf8.h"

namespace wyndrel::text {
namespace {

// A range whose upper-case letters are followed at a fixed distance by their lower case.
struct TCaseRange {
    char32_t UpperFirst;
    char32_t UpperLast;
    char32_t Distance;
};

constexpr TCaseRange OffsetRanges[] = {
    {U'A', U'Z', 32},     {0x00C0, 0x00D6, 32}, {0x00D8, 0x00DE, 32}, {0x0391, 0x03A1, 32},
    {0x03A3, 0x03AB, 32}, {0x0410, 0x042F, 32}, {0x0400, 0x040F, 80}, {0xFF21, 0xFF3A, 32},
};

// Latin Extended-A mostly alternates upper, lower, upper, lower.
bool IsAlternatingUpper(char32_t c) {
    if (c >= 0x0100 && c <= 0x012F) return c % 2 == 0;
    if (c >= 0x0132 && c <= 0x0137) return c % 2 == 0;
    if (c >= 0x0139 && c <= 0x0148) return c % 2 == 1;
    if (c >= 0x014A && c <= 0x0177) return c % 2 == 0;
    if (c >= 0x0179 && c <= 0x017E) return c % 2 == 1;
    return false;
}

char32_t ToUpper(char32_t c) {
    for (const auto& range : OffsetRanges)
        if (c >= range.UpperFirst + range.Distance && c <= range.UpperLast + range.Distance)
            return c - range.Distance;
    if (IsAlternatingUpper(c - 1)) return c - 1;
    if (c == 0x00FF) return 0x0178;
    return c;
}

char32_t ToLower(char32_t c) {
    for (const auto& range : OffsetRanges)
        if (c >= range.UpperFirst && c <= range.UpperLast) return c + range.Distance;
    if (IsAlternatingUpper(c)) return c + 1;
    if (c == 0x0178) return 0x00FF;
    return c;
}

template <typename Mapping>
std::string MapCharacters(std::string_view text, Mapping mapping) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            result += static_cast<char>(mapping(byte));
            ++i;
            continue;
        }
        TCodePoint point = DecodeAt(text, i);
        bool wellFormed = point.Length > 1 || point.Value < 0x80;
        if (wellFormed)
            AppendUtf8(result, mapping(point.Value));
        else
            result += text[i];
        i += point.Length;
    }
    return result;
}

}  // namespace

std::string LocaleUpper(std::string_view text) { return MapCharacters(text, ToUpper); }
std::string LocaleLower(std::string_view text) { return MapCharacters(text, ToLower); }

std::string AsciiUpper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return result;
}

bool SameTextIgnoringCase(std::string_view left, std::string_view right) {
    return LocaleUpper(left) == LocaleUpper(right);
}

}  // namespace wyndrel::text
