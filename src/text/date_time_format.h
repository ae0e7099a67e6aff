// The date-time formatter: a user's date-time definition applied to a local time, as the
// proposed layout file names are made.
#pragma once

#include "platform/clock.h"
#include "text/date_time_locale.h"

#include <string>
#include <string_view>

namespace wyndrel::text {

// Reads `format` left to right. Format letters count in either case; a run of one letter
// in one case is one field whose length picks the form (d dd ddd dddd ddddd dddddd,
// m mm mmm mmmm, y yy yyyy, e ee, g gg, h hh, n nn, s ss, z zz zzz, t tt, c); the a-forms
// am/pm, a/p, ampm, aaa and aaaa are matched as whole words. aaa and aaaa give the Japanese
// day names ("日", "日曜日"), ddd and dddd the locale's. "/" and ":" give the locale's
// separators. Text between a pair of ' or " is copied without them; an unpaired quote makes
// the rest plain text. Every other character is copied.
std::string FormatDateTime(std::string_view format, const TLocalDateTime& time,
                           const TDateTimeLocale& locale);

}  // namespace wyndrel::text
