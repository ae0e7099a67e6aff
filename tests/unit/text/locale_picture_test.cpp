// The user's regional pictures in the formatter's syntax, and the locale values read from the
// regional settings with the reference values where the platform gives none.
#include "fakes/fake_regional_settings.h"
#include "text/date_time_format.h"
#include "text/locale_picture.h"
#include "text/user_date_time_locale.h"

#include <gtest/gtest.h>

namespace wyndrel::text {
namespace {

std::string Date(std::string_view picture) {
    return TranslateLocalePicture(picture, TPictureKind::Date);
}
std::string Time(std::string_view picture) {
    return TranslateLocalePicture(picture, TPictureKind::Time);
}

TEST(LocalePicture, TranslatesDateFieldsAndKeepsSeparators) {
    EXPECT_EQ(Date("yyyy/MM/dd"), "yyyy/mm/dd");
    EXPECT_EQ(Date("d MMMM yyyy"), "d mmmm yyyy");
    EXPECT_EQ(Date("M/d/yy"), "m/d/yy");
    EXPECT_EQ(Date("dddd, MMM d, y"), "dddd, mmm d, yy");
    EXPECT_EQ(Date("ddddd MMMMM yyyyy gg"), "dddd mmmm yyyy gg");
}

TEST(LocalePicture, TranslatesTimeFieldsOnEitherClock) {
    EXPECT_EQ(Time("H:mm:ss"), "h:nn:ss");
    EXPECT_EQ(Time("HH:m:s"), "hh:n:s");
    EXPECT_EQ(Time("tt h:mm"), "ampm h:nn");
    EXPECT_EQ(Time("hh:mm t"), "hh:nn ampm");
    EXPECT_EQ(Time("hH"), "h\"\"h");
}

TEST(LocalePicture, QuotesEveryLiteralTheFormatterWouldReadAsAField) {
    EXPECT_EQ(Date("yyyy'年'M'月'd'日'"), "yyyy年m月d日");
    EXPECT_EQ(Date("d 'de' MMMM 'de' yyyy"), "d \"de\" mmmm \"de\" yyyy");
    EXPECT_EQ(Time("H 'h' mm"), "h \"h\" nn");
    EXPECT_EQ(Time("H'h'mm 'at' 'o''clock'"), "h\"h\"nn \"at\" \"o'clock\"");
    EXPECT_EQ(Date("dd.MM.yyyy (a)"), "dd.mm.yyyy (\"a\")");
    EXPECT_EQ(Date("yyyy'/'MM ''d"), "yyyy\"/\"mm \"'\"d");
    EXPECT_EQ(Date("dd\"MM"), "dd'\"'mm");
    EXPECT_EQ(Date("dd 'open"), "dd \"open\"");
}

TEST(UserDateTimeLocale, FormatsWithTheUsersValuesAndTheReferenceForTheRest) {
    fakes::TFakeRegionalSettings regional;
    regional.Values = {
        {TRegionalItem::ShortDate, "dd.MM.yyyy"}, {TRegionalItem::LongDate, ""},
        {TRegionalItem::LongTime, "tt h:mm:ss"},  {TRegionalItem::DateSeparator, "-"},
        {TRegionalItem::MorningText, "오전"},     {TRegionalItem::AfternoonText, "오후"},
        {TRegionalItem::TimeSeparator, ""}};
    const TDateTimeLocale locale = UserDateTimeLocale(regional);
    const TLocalDateTime afternoon{2002, 12, 7, 13, 5, 9, 42, 6};
    EXPECT_EQ(FormatDateTime("ddddd|dddddd|t|tt", afternoon, locale),
              "07.12.2002|2002年12月07日|13:05|오후 1:05:09");
    EXPECT_EQ(FormatDateTime("yyyy/mm hh:nn ampm ddd mmm", afternoon, locale),
              "2002-12 01:05 오후 Sat Dec");
    EXPECT_EQ(FormatDateTime("ampm hh", afternoon, locale), "오후 13");

    regional.Values = {{TRegionalItem::MorningText, ""}};
    EXPECT_EQ(FormatDateTime("[ampm]", TLocalDateTime{2002, 12, 7, 8, 0, 0, 0, 6},
                             UserDateTimeLocale(regional)),
              "[]");
}

}  // namespace
}  // namespace wyndrel::text
