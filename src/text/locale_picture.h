// The platform's date and time pictures (the user's regional formats) in the date-time
// formatter's own syntax.
#pragma once

#include <string>
#include <string_view>

namespace wyndrel::text {

enum class TPictureKind { Date, Time };

// Date pictures know d dd ddd dddd, M MM MMM MMMM, y yy yyyy and g gg; time pictures know
// h hh (12-hour), H HH (24-hour), m mm, s ss, t tt. Text in single quotes ('' for a quote
// itself) and every other character are literal and come out so that the formatter copies
// them; an unquoted "/" or ":" stays the formatter's date or time separator.
std::string TranslateLocalePicture(std::string_view picture, TPictureKind kind);

}  // namespace wyndrel::text
