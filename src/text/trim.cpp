// Byte-wise stripping: no byte of a UTF-8 multi-byte character is 32 or below.
#include "text/trim.h"

namespace wyndrel::text {

std::string_view TrimLeft(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && IsBlankOrControl(text[start])) ++start;
    return text.substr(start);
}

std::string_view TrimRight(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && IsBlankOrControl(text[end - 1])) --end;
    return text.substr(0, end);
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

}  // namespace wyndrel::text
