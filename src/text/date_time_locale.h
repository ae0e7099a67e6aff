// The regional values the date-time formatter reads: day and month names, the locale's own
// date and time formats, morning/afternoon texts and separators.
#pragma once

#include <array>
#include <string>

namespace wyndrel::text {

// The four formats are in the formatter's own syntax (FormatDateTime), not the platform's;
// the adapter that reads the regional settings translates them.
struct TDateTimeLocale {
    std::array<std::string, 7> ShortDayNames;  // index 0 = Sunday, as TLocalDateTime::DayOfWeek
    std::array<std::string, 7> LongDayNames;
    std::array<std::string, 12> ShortMonthNames;  // index 0 = January
    std::array<std::string, 12> LongMonthNames;
    std::string ShortDateFormat;
    std::string LongDateFormat;
    std::string ShortTimeFormat;
    std::string LongTimeFormat;
    std::string TimeAmString;
    std::string TimePmString;
    std::string DateSeparator;
    std::string TimeSeparator;
};

// The Japanese reference locale: short date yyyy/MM/dd, long date yyyy年mm月dd日, short time
// h:mm, long time h:mm:ss, 午前/午後, "/" and ":", Japanese day and month names.
TDateTimeLocale ReferenceDateTimeLocale();

// The platform's values with every empty one replaced by the reference value.
TDateTimeLocale CompleteWithReference(TDateTimeLocale platformValues);

// English day and month names ("Sun", "Sunday", "Jan", "January", ...); the program switches
// to them at start-up, so the proposed layout file names do not depend on the user's language.
void SetEnglishDateNames(TDateTimeLocale& locale);

}  // namespace wyndrel::text
