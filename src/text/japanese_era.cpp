// The era table: each era runs from its first day to the day before the next one begins.
#include "text/japanese_era.h"

#include <array>

namespace wyndrel::text {
namespace {

struct TEraStart {
    std::string_view Name;
    int Year;
    int Month;
    int Day;
};

// Meiji counts from the first day of 1868: Japan kept its lunisolar calendar until 1873,
// so a finer Gregorian start for Meiji would be no more true than the whole year.
constexpr std::array<TEraStart, 5> EraStarts{{
    {"明治", 1868, 1, 1},
    {"大正", 1912, 7, 30},
    {"昭和", 1926, 12, 25},
    {"平成", 1989, 1, 8},
    {"令和", 2019, 5, 1},
}};

constexpr int DateKey(int year, int month, int day) { return year * 10000 + month * 100 + day; }

}  // namespace

TJapaneseEraYear JapaneseEraYearOf(int year, int month, int day) {
    const int date = DateKey(year, month, day);
    for (auto era = EraStarts.rbegin(); era != EraStarts.rend(); ++era) {
        if (date >= DateKey(era->Year, era->Month, era->Day))
            return {era->Name, year - era->Year + 1};
    }
    return {std::string_view(), year};
}

}  // namespace wyndrel::text
