// The program's integer conversions: the strict one of layout files and settings, and
// the scanning one of the platform's profile-integer read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wyndrel::text {

// Strict conversion: blanks before the number are skipped; then an optional "-" or "+"
// and decimal digits, or, in place of the sign, a "$", "x", "X", "0x" or "0X" prefix and
// hexadecimal digits. Anything after the number (trailing blanks too), an empty text or
// a value outside the type's range gives no value.
std::optional<std::int32_t> ParseInt32(std::string_view text);
std::optional<std::int64_t> ParseInt64(std::string_view text);

// Scanning conversion: blanks and control characters before the number are skipped,
// then an optional sign and as many digits as follow: decimal, or hexadecimal, octal or
// binary after "0x", "0o" or "0b" (either letter case); the rest is ignored.
// No digits give 0; a value too large wraps as a 32-bit register would.
std::int32_t ScanInt32(std::string_view text);

// Canonical decimal: a "-" for negatives, no "+", no leading zeros, no blanks.
std::string IntToStr(std::int64_t value);

}  // namespace wyndrel::text
