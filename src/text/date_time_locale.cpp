// The reference locale, filling gaps in the platform's values, and the English names.
#include "text/date_time_locale.h"

namespace wyndrel::text {
namespace {

template <size_t Count>
void FillEmpty(std::array<std::string, Count>& values,
               const std::array<std::string, Count>& reference) {
    for (size_t i = 0; i < Count; ++i) {
        if (values[i].empty()) values[i] = reference[i];
    }
}

void FillEmpty(std::string& value, const std::string& reference) {
    if (value.empty()) value = reference;
}

std::array<std::string, 12> JapaneseMonthNames() {
    std::array<std::string, 12> names;
    for (size_t i = 0; i < names.size(); ++i) names[i] = std::to_string(i + 1) + "月";
    return names;
}

}  // namespace

TDateTimeLocale ReferenceDateTimeLocale() {
    TDateTimeLocale locale;
    locale.ShortDayNames = {"日", "月", "火", "水", "木", "金", "土"};
    locale.LongDayNames = {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};
    locale.ShortMonthNames = JapaneseMonthNames();
    locale.LongMonthNames = JapaneseMonthNames();
    locale.ShortDateFormat = "yyyy/MM/dd";
    locale.LongDateFormat = "yyyy\"年\"mm\"月\"dd\"日\"";
    locale.ShortTimeFormat = "h:mm";
    locale.LongTimeFormat = "h:mm:ss";
    // Built from whole strings: gcc 12 misreads the short assignments here as overlapping copies.
    locale.TimeAmString = std::string("午前");
    locale.TimePmString = std::string("午後");
    locale.DateSeparator = std::string(1, '/');
    locale.TimeSeparator = std::string(1, ':');
    return locale;
}

TDateTimeLocale CompleteWithReference(TDateTimeLocale platformValues) {
    const TDateTimeLocale reference = ReferenceDateTimeLocale();
    FillEmpty(platformValues.ShortDayNames, reference.ShortDayNames);
    FillEmpty(platformValues.LongDayNames, reference.LongDayNames);
    FillEmpty(platformValues.ShortMonthNames, reference.ShortMonthNames);
    FillEmpty(platformValues.LongMonthNames, reference.LongMonthNames);
    FillEmpty(platformValues.ShortDateFormat, reference.ShortDateFormat);
    FillEmpty(platformValues.LongDateFormat, reference.LongDateFormat);
    FillEmpty(platformValues.ShortTimeFormat, reference.ShortTimeFormat);
    FillEmpty(platformValues.LongTimeFormat, reference.LongTimeFormat);
    FillEmpty(platformValues.TimeAmString, reference.TimeAmString);
    FillEmpty(platformValues.TimePmString, reference.TimePmString);
    FillEmpty(platformValues.DateSeparator, reference.DateSeparator);
    FillEmpty(platformValues.TimeSeparator, reference.TimeSeparator);
    return platformValues;
}

void SetEnglishDateNames(TDateTimeLocale& locale) {
    locale.ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    locale.LongDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                           "Thursday", "Friday", "Saturday"};
    locale.ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    locale.LongMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                             "July",    "August",   "September", "October", "November", "December"};
}

}  // namespace wyndrel::text
