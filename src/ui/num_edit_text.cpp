// Numbers of a numeric box in exact decimal: no binary floating point, so 0.125 rounds to
// 0.13 and long digit strings keep every digit.
#include "ui/num_edit_text.h"

#include <limits>
#include <optional>

namespace wyndrel::ui {
namespace {

constexpr std::size_t ExaminedCharacters = 255;
constexpr int CurrencyDecimals = 4;

// A decimal number as digit strings: no leading zeros in Whole (empty for zero).
struct TDecimal {
    bool Negative = false;
    std::string Whole;
    std::string Fraction;
};

std::string NotAFloat(const std::string& cleaned) {
    return "'" + cleaned + "' は浮動小数点数ではありません";
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// An optional leading "-", digits, an optional "." with digits; at least one digit.
std::optional<TDecimal> ReadDecimal(std::string_view text) {
    TDecimal number;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        number.Negative = true;
        ++i;
    }
    bool anyDigit = false;
    for (; i < text.size() && IsDigit(text[i]); ++i, anyDigit = true)
        if (!number.Whole.empty() || text[i] != '0') number.Whole += text[i];
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && IsDigit(text[i]); ++i, anyDigit = true)
            number.Fraction += text[i];
    if (!anyDigit || i != text.size()) return std::nullopt;
    return number;
}

TDecimal ParseOrThrow(std::string_view text) {
    const std::string cleaned = CleanNumberText(text);
    std::optional<TDecimal> number = ReadDecimal(cleaned);
    if (!number) throw EConvertError(NotAFloat(cleaned));
    return *number;
}

// Adds one unit in the last place of a digit string; "999" becomes "1000".
std::string Increment(std::string digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return "1" + digits;
}

// Rounded half away from zero to exactly `decimals` fraction digits.
TDecimal Round(TDecimal number, std::size_t decimals) {
    const bool up = number.Fraction.size() > decimals && number.Fraction[decimals] >= '5';
    number.Fraction.resize(decimals, '0');
    if (!up) return number;
    std::string digits = Increment(number.Whole + number.Fraction);
    number.Whole = digits.substr(0, digits.size() - decimals);
    number.Fraction = digits.substr(digits.size() - decimals);
    return number;
}

bool IsZero(const TDecimal& number) {
    return number.Whole.empty() && number.Fraction.find_first_not_of('0') == std::string::npos;
}

std::string Group(const std::string& whole) {
    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += ',';
        grouped += whole[i];
    }
    return grouped;
}

// The pattern "#,##0" or "###0" with `DecimalDidits` zeros after the point.
std::string Format(const TDecimal& number, TNumberFormat format) {
    const TDecimal rounded = Round(number, format.DecimalDidits);
    const std::string whole = rounded.Whole.empty() ? "0" : rounded.Whole;
    std::string text = rounded.Negative && !IsZero(rounded) ? "-" : "";
    text += format.Thousands ? Group(whole) : whole;
    if (format.DecimalDidits > 0) text += "." + rounded.Fraction;
    return text;
}

TDecimal ToDecimal(TCurrency value) {
    TDecimal number;
    number.Negative = value < 0;
    // The magnitude as unsigned, so the most negative value has one too.
    const std::uint64_t magnitude = number.Negative ? 0u - static_cast<std::uint64_t>(value)
                                                    : static_cast<std::uint64_t>(value);
    const std::uint64_t whole = magnitude / CurrencyScale;
    if (whole != 0) number.Whole = std::to_string(whole);
    const std::string fraction = std::to_string(magnitude % CurrencyScale + CurrencyScale);
    number.Fraction = fraction.substr(1);
    return number;
}

std::optional<TCurrency> ToCurrency(const TDecimal& number) {
    const TDecimal rounded = Round(number, CurrencyDecimals);
    const std::string digits = rounded.Whole + rounded.Fraction;
    constexpr std::uint64_t Limit = std::numeric_limits<std::int64_t>::max();
    const std::uint64_t limit = rounded.Negative ? Limit + 1 : Limit;
    std::uint64_t magnitude = 0;
    for (char digit : digits) {
        const auto value = static_cast<std::uint64_t>(digit - '0');
        if (magnitude > (limit - value) / 10) return std::nullopt;
        magnitude = magnitude * 10 + value;
    }
    return rounded.Negative ? static_cast<TCurrency>(0u - magnitude)
                            : static_cast<TCurrency>(magnitude);
}

}  // namespace

std::string CleanNumberText(std::string_view text) {
    std::string cleaned;
    std::size_t characters = 0;
    for (char c : text) {
        // Characters, not bytes: continuation bytes of UTF-8 do not count.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 && ++characters > ExaminedCharacters)
            break;
        if (IsDigit(c) || c == '-' || c == '.') cleaned += c;
    }
    return cleaned.empty() ? "0" : cleaned;
}

std::string FormatNumberText(std::string_view text, TNumberFormat format) {
    return Format(ParseOrThrow(text), format);
}

TCurrency ParseNumberText(std::string_view text) {
    std::optional<TCurrency> value = ToCurrency(ParseOrThrow(text));
    if (!value) throw EConvertError(NotAFloat(CleanNumberText(text)));
    return *value;
}

std::string FormatCurrency(TCurrency value, TNumberFormat format) {
    return Format(ToDecimal(value), format);
}

std::string CurrencyToStr(TCurrency value) {
    TDecimal number = ToDecimal(value);
    number.Fraction.erase(number.Fraction.find_last_not_of('0') + 1);
    return Format(number, {false, static_cast<std::uint8_t>(number.Fraction.size())});
}

std::string NumEditTextForValue(TCurrency value, TNumberFormat format) {
    return format.Thousands ? FormatCurrency(value, format) : CurrencyToStr(value);
}

TNumEditExit LeaveNumEditText(std::string_view text, TNumberFormat format) {
    TNumEditExit result;
    result.Text = FormatNumberText(text, format);
    result.Value = ParseNumberText(result.Text);
    return result;
}

bool IsDigitsOnly(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!IsDigit(c)) return false;
    return true;
}

}  // namespace wyndrel::ui
