// Integer conversions shared by the layout file, the settings and the dialogs.
#include "text/number_parse.h"

#include <limits>

namespace wyndrel::text {
namespace {

int DigitValue(char c, int base) {
    int value = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : 99;
    return value < base ? value : -1;
}

// Parses into a value within [minimum, maximum]; fails on anything left over.
std::optional<std::int64_t> ParseBounded(std::string_view text, std::int64_t minimum,
                                         std::int64_t maximum) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;

    bool negative = false;
    int base = 10;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    } else if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }

    if (i == text.size()) return std::nullopt;
    // The magnitude of the minimum is one larger than the maximum.
    const std::uint64_t limit = negative ? static_cast<std::uint64_t>(-(minimum + 1)) + 1
                                         : static_cast<std::uint64_t>(maximum);
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        int digit = DigitValue(text[i], base);
        if (digit < 0) return std::nullopt;
        // Checked before the multiply: twenty digits would wrap the magnitude past zero.
        if (magnitude >
            (limit - static_cast<std::uint64_t>(digit)) / static_cast<std::uint64_t>(base))
            return std::nullopt;
        magnitude =
            magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (negative) return magnitude == 0 ? 0 : -static_cast<std::int64_t>(magnitude - 1) - 1;
    return static_cast<std::int64_t>(magnitude);
}

}  // namespace

std::optional<std::int32_t> ParseInt32(std::string_view text) {
    auto value = ParseBounded(text, std::numeric_limits<std::int32_t>::min(),
                              std::numeric_limits<std::int32_t>::max());
    if (!value) return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::optional<std::int64_t> ParseInt64(std::string_view text) {
    return ParseBounded(text, std::numeric_limits<std::int64_t>::min(),
                        std::numeric_limits<std::int64_t>::max());
}

std::int32_t ScanInt32(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int base = 10;
    if (i + 1 < text.size() && text[i] == '0') {
        switch (text[i + 1]) {
            case 'x':
            case 'X':
                base = 16;
                break;
            case 'o':
            case 'O':
                base = 8;
                break;
            case 'b':
            case 'B':
                base = 2;
                break;
            default:
                break;
        }
        if (base != 10) i += 2;
    }
    std::uint32_t total = 0;
    for (; i < text.size(); ++i) {
        int digit = DigitValue(text[i], base);
        if (digit < 0) break;
        total = total * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
    }
    if (negative) total = 0u - total;
    return static_cast<std::int32_t>(total);
}

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

}  // namespace wyndrel::text
