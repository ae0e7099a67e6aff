// The Japanese era calendar behind the formatter's e and g fields: Meiji to Reiwa.
#pragma once

#include <string_view>

namespace wyndrel::text {

struct TJapaneseEraYear {
    std::string_view EraName;  // "明治", "大正", "昭和", "平成", "令和"; empty before Meiji
    int Year;                  // 1 in an era's first year; the Gregorian year before Meiji
};

// The era of a Gregorian date and the year within it.
TJapaneseEraYear JapaneseEraYearOf(int year, int month, int day);

}  // namespace wyndrel::text
