// The date-time formatter, its locale values and the Japanese era calendar.
#include "text/date_time_format.h"
#include "text/japanese_era.h"

#include <gtest/gtest.h>

#include <array>

namespace wyndrel::text {
namespace {

// Saturday 7 December 2002, 13:05:09.042, and Monday 3 February 2003, 08:04:03.007.
const TLocalDateTime Afternoon{2002, 12, 7, 13, 5, 9, 42, 6};
const TLocalDateTime Morning{2003, 2, 3, 8, 4, 3, 7, 1};

TDateTimeLocale EnglishLocale() {
    TDateTimeLocale locale = ReferenceDateTimeLocale();
    SetEnglishDateNames(locale);
    return locale;
}

std::string Format(std::string_view format, const TLocalDateTime& time = Afternoon) {
    return FormatDateTime(format, time, EnglishLocale());
}

TLocalDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return TLocalDateTime{year, month, day, hour, minute, second, 0, 0};
}

TEST(DateFields, GiveDayMonthAndYearWithAndWithoutLeadingZeros) {
    EXPECT_EQ(Format("yyyymmdd"), "20021207");
    EXPECT_EQ(Format("d/dd m/mm", Morning), "3/03 2/02");
    EXPECT_EQ(Format("y yy yyy yyyy yyyyy"), "02 02 2002 2002 2002");
    EXPECT_EQ(Format("yyyy", At(987, 1, 1)), "0987");
    EXPECT_EQ(Format("y", At(2105, 1, 1)), "05");
}

TEST(DateFields, GiveTheLocaleNamesOfDayAndMonth) {
    EXPECT_EQ(Format("ddd dddd mmm mmmm mmmmm"), "Sat Saturday Dec December December");
    EXPECT_EQ(FormatDateTime("ddd dddd mmm mmmm", Afternoon, ReferenceDateTimeLocale()),
              "土 土曜日 12月 12月");
}

TEST(DateFields, AaaAndAaaaGiveJapaneseDayNamesWhateverTheLocale) {
    EXPECT_EQ(Format("aaa aaaa|ddd dddd", Morning), "月 月曜日|Mon Monday");
    const std::array<std::string, 7> expected{"日 日曜日", "月 月曜日", "火 火曜日", "水 水曜日",
                                              "木 木曜日", "金 金曜日", "土 土曜日"};
    for (int day = 0; day < 7; ++day) {
        TLocalDateTime time = Afternoon;
        time.DayOfWeek = day;
        EXPECT_EQ(Format("aaa aaaa", time), expected[static_cast<size_t>(day)]);
    }
}

TEST(DateFields, FiveOrMoreDsGiveTheLocaleDateFormats) {
    EXPECT_EQ(Format("ddddd"), "2002/12/07");
    EXPECT_EQ(Format("dddddd"), "2002年12月07日");
    EXPECT_EQ(Format("dddddddd"), "2002年12月07日");
}

TEST(TimeFields, GiveHourMinuteSecondAndMilliseconds) {
    EXPECT_EQ(Format("h hh hhh n nn s ss", Morning), "8 08 08 4 04 3 03");
    EXPECT_EQ(Format("z zz zzz zzzz", Morning), "7 07 007 007");
    EXPECT_EQ(Format("z zzz"), "42 042");
}

TEST(TimeFields, TAndCGiveTheLocaleTimeFormats) {
    EXPECT_EQ(Format("t|tt|ttt"), "13:05|13:05:09|13:05:09");
    EXPECT_EQ(Format("c"), "2002/12/07 13:05:09");
    EXPECT_EQ(Format("c", At(2002, 12, 7, 0, 0, 1)), "2002/12/07 0:00:01");
    TLocalDateTime midnight = At(2002, 12, 7);
    midnight.Millisecond = 500;
    EXPECT_EQ(Format("c", midnight), "2002/12/07");
}

TEST(FormatLetters, CountInEitherCaseButARunKeepsOneCase) {
    EXPECT_EQ(Format("YYYY-MM-DD HH:NN:SS"), "2002-12-07 13:05:09");
    EXPECT_EQ(Format("dD", Morning), "33");
    EXPECT_EQ(Format("Dddd"), "7Sat");
    EXPECT_EQ(Format("AaA AAAA"), "土 土曜日");
}

TEST(FormatLetters, OtherLettersAndCharactersAreCopied) {
    EXPECT_EQ(Format("bfijkloqruvwx BFIJKLOPQRUVWX"), "bfijkloqruvwx BFIJKLOPQRUVWX");
    EXPECT_EQ(Format("a aa ap aaaaa"), "a aa ap 土曜日a");
    EXPECT_EQ(Format("日付yyyy年mm月 (-_+.,)"), "日付2002年12月 (-_+.,)");
    EXPECT_EQ(Format(""), "");
}

TEST(MinutesAfterHours, MOrMmDirectlyAfterAnHourIsMinutes) {
    EXPECT_EQ(Format("hh:mm"), "13:05");
    EXPECT_EQ(Format("mm"), "12");
    EXPECT_EQ(Format("hhmm Hm"), "1305 135");
    EXPECT_EQ(Format("h時m分"), "13時5分");
    EXPECT_EQ(Format("hh'h'mm"), "13h05");
}

TEST(MinutesAfterHours, AnyOtherLetterOrANameFormKeepsTheMonth) {
    EXPECT_EQ(Format("hh d mm"), "13 7 12");
    EXPECT_EQ(Format("hhxmm"), "13x12");
    EXPECT_EQ(Format("hh:mmm"), "13:Dec");
    EXPECT_EQ(Format("hh:mm:mm"), "13:05:12");
    EXPECT_EQ(Format("mm hh"), "12 13");
}

TEST(AmPm, GivesTheLettersAsWrittenChosenByTheHour) {
    EXPECT_EQ(Format("h:nn am/pm"), "1:05 pm");
    EXPECT_EQ(Format("hh:nn AM/PM", Morning), "08:04 AM");
    EXPECT_EQ(Format("Am/pM|A/p", Morning), "Am|A");
    EXPECT_EQ(Format("Am/pM|A/p"), "pM|p");
    EXPECT_EQ(Format("ampm AMPM", Morning), "午前 午前");
    EXPECT_EQ(Format("AmPm"), "午後");
}

TEST(AmPm, PutsOnlyTheHoursBeforeItOnTheTwelveHourClock) {
    EXPECT_EQ(Format("h a/p", At(2002, 1, 1, 0, 30)), "12 a");
    EXPECT_EQ(Format("h a/p", At(2002, 1, 1, 12)), "12 p");
    EXPECT_EQ(Format("h", At(2002, 1, 1, 12)), "12");
    EXPECT_EQ(Format("h am/pm h"), "1 pm 13");
    EXPECT_EQ(Format("am/pm hh"), "pm 13");
    EXPECT_EQ(Format("h 'am/pm'"), "13 am/pm");
}

TEST(Quotes, CopyTheTextBetweenAPairWithoutTheQuotes) {
    EXPECT_EQ(Format("'Layout'yyyy"), "Layout2002");
    EXPECT_EQ(Format("\"d\"d"), "d7");
    EXPECT_EQ(Format("'a\"b'"), "a\"b");
    EXPECT_EQ(Format("''yyyy\"\""), "2002");
}

TEST(Quotes, AnUnpairedQuoteMakesTheRestPlainText) {
    EXPECT_EQ(Format("yyyy'mm dd"), "2002mm dd");
    EXPECT_EQ(Format("yyyy\"mm'"), "2002mm'");
}

TEST(Separators, ComeFromTheLocaleAlsoInsideItsOwnFormats) {
    TDateTimeLocale locale = EnglishLocale();
    locale.DateSeparator = ".";
    locale.TimeSeparator = "時";
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn|c", Afternoon, locale),
              "2002.12.07 13時05|2002.12.07 13時05時09");
}

TEST(LocaleFormats, NestOnlyOnceMoreSoASelfReferenceEnds) {
    TDateTimeLocale locale = EnglishLocale();
    locale.ShortDateFormat = "[ddddd]";
    locale.ShortTimeFormat = "h:mm am/pm";
    EXPECT_EQ(FormatDateTime("ddddd", Afternoon, locale), "[[]]");
    EXPECT_EQ(FormatDateTime("t hh", Afternoon, locale), "1:05 pm 13");
}

TEST(JapaneseEra, FormatsTheEraYearAndName) {
    EXPECT_EQ(Format("e ee g gg ggg gggg", At(1995, 6, 1)), "7 07 平 平成 平成 平成");
    EXPECT_EQ(Format("ggge", At(2019, 4, 30)), "平成31");
    EXPECT_EQ(Format("ggge gee", At(2019, 5, 1)), "令和1 令01");
    EXPECT_EQ(Format("gge", At(1800, 1, 1)), "1800");
}

TEST(JapaneseEra, ChangesOnTheFirstDayOfEachEra) {
    auto eraOf = [](int year, int month, int day) {
        TJapaneseEraYear era = JapaneseEraYearOf(year, month, day);
        return std::string(era.EraName) + std::to_string(era.Year);
    };
    EXPECT_EQ(eraOf(1867, 12, 31), "1867");
    EXPECT_EQ(eraOf(1868, 1, 1), "明治1");
    EXPECT_EQ(eraOf(1912, 7, 29), "明治45");
    EXPECT_EQ(eraOf(1912, 7, 30), "大正1");
    EXPECT_EQ(eraOf(1926, 12, 24), "大正15");
    EXPECT_EQ(eraOf(1926, 12, 25), "昭和1");
    EXPECT_EQ(eraOf(1989, 1, 7), "昭和64");
    EXPECT_EQ(eraOf(1989, 1, 8), "平成1");
    EXPECT_EQ(eraOf(2019, 4, 30), "平成31");
    EXPECT_EQ(eraOf(2019, 5, 1), "令和1");
    EXPECT_EQ(eraOf(2026, 1, 1), "令和8");
}

TEST(DateTimeLocale, TheReferenceFillsOnlyWhatThePlatformLeftEmpty) {
    TDateTimeLocale platform;
    platform.ShortDateFormat = "dd.mm.yyyy";
    platform.TimeAmString = "AM";
    platform.LongDayNames[0] = "Sonntag";
    TDateTimeLocale completed = CompleteWithReference(platform);
    EXPECT_EQ(FormatDateTime("ddddd|dddd|ampm|tt|aaaa", Morning, completed),
              "03.02.2003|月曜日|AM|8:04:03|月曜日");
    EXPECT_EQ(completed.LongDayNames[0], "Sonntag");
    EXPECT_EQ(completed.TimePmString, "午後");
}

TEST(DateTimeLocale, EnglishNamesReplaceTheNamesOnly) {
    TDateTimeLocale locale = CompleteWithReference(TDateTimeLocale{});
    locale.ShortDateFormat = "yyyy-mm-dd";
    SetEnglishDateNames(locale);
    EXPECT_EQ(FormatDateTime("ddddd ddd dddd mmm mmmm ampm", Morning, locale),
              "2003-02-03 Mon Monday Feb February 午前");
    EXPECT_EQ(locale.LongMonthNames[8], "September");
    EXPECT_EQ(locale.ShortDayNames[4], "Thu");
}

}  // namespace
}  // namespace wyndrel::text
