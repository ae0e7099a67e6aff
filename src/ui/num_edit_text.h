// The text rules of a numeric box: cleaning what was typed, reading it as a number, and
// writing a number back with or without thousands separators and a fixed count of decimals.
//
// Use: LeaveNumEditText(view.Text(numLeft), options) gives the text and value the box takes
// when the user leaves it (or throws EConvertError with the message to show);
// NumEditTextForValue(value, options) is the text a box shows after its value is written.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace wyndrel::ui {

// A fixed-point number with four decimals, held as a count of ten-thousandths.
using TCurrency = std::int64_t;
inline constexpr TCurrency CurrencyScale = 10000;

// A text that does not read as a number; its message is what the user is shown.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& message) : std::runtime_error(message) {}
};

// How a box writes its number: separators of thousands, and the decimals shown when the box
// reformats its text.
struct TNumberFormat {
    bool Thousands = false;
    std::uint8_t DecimalDidits = 0;
};

// The digits, "-" and "." of the first 255 characters, in order; "0" when none.
std::string CleanNumberText(std::string_view text);

// The cleaned text formatted with the pattern "#,##0" (thousands) or "###0", followed by
// "." and DecimalDidits zeros: rounded half away from zero to that many decimals. Throws
// EConvertError when the cleaned text is no number.
std::string FormatNumberText(std::string_view text, TNumberFormat format);

// The cleaned text as a value rounded to the nearest ten-thousandth. Throws EConvertError
// when it is no number or lies outside what a value can hold.
TCurrency ParseNumberText(std::string_view text);

// The value with the pattern of `format` (always with its decimals).
std::string FormatCurrency(TCurrency value, TNumberFormat format);
// The value in its shortest decimal form: 1000, 12.5, -0.0001.
std::string CurrencyToStr(TCurrency value);

// The text after Value is written: the thousands pattern with its decimals when Thousands
// is on, else the shortest decimal form.
std::string NumEditTextForValue(TCurrency value, TNumberFormat format);

// Leaving the box: the text formatted with the box's settings, and the value read from
// that new text. Throws EConvertError, and then neither is to change.
struct TNumEditExit {
    std::string Text;
    TCurrency Value = 0;
};
TNumEditExit LeaveNumEditText(std::string_view text, TNumberFormat format);

// True for a non-empty text of the digits 0-9 only.
bool IsDigitsOnly(std::string_view text);

// The whole-number part of a value, towards zero.
inline std::int64_t IntegerPart(TCurrency value) { return value / CurrencyScale; }
inline TCurrency CurrencyFromInt(std::int64_t whole) { return whole * CurrencyScale; }

}  // namespace wyndrel::ui
