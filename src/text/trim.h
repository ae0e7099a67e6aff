// Stripping "characters with codes up to 32" (blanks and control characters).
#pragma once

#include <string_view>

namespace wyndrel::text {

constexpr bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view Trim(std::string_view text);
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);

}  // namespace wyndrel::text
