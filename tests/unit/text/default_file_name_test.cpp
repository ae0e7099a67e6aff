// The proposed layout file names and their full-width replacements.
#include "fakes/fake_clock.h"
#include "text/default_file_name.h"

#include <gtest/gtest.h>

namespace wyndrel::text {
namespace {

class DefaultFileName : public ::testing::Test {
protected:
    DefaultFileName() { SetEnglishDateNames(FLocale); }
    std::string Make(std::string_view format) { return MakeDefFileName(format, FClock, FLocale); }

    // Saturday 7 December 2002, 13:05:09.
    fakes::TFakeClock FClock{TLocalDateTime{2002, 12, 7, 13, 5, 9, 0, 6}};
    TDateTimeLocale FLocale = ReferenceDateTimeLocale();
};

TEST_F(DefaultFileName, AppliesTheDefinitionToTheTimeReadOnce) {
    EXPECT_EQ(Make("yyyymmdd"), "20021207");
    EXPECT_EQ(FClock.Reads(), 1);
    EXPECT_EQ(Make("ddd|aaaa|mmm"), "Sat｜土曜日｜Dec");
    EXPECT_EQ(Make("'Layout'yyyy"), "Layout2002");
    EXPECT_EQ(Make(""), "");
}

TEST_F(DefaultFileName, MakesSeparatorsAndOtherForbiddenCharactersFullWidth) {
    EXPECT_EQ(Make("yyyy/mm/dd hh:nn"), "2002／12／07 13：05");
    EXPECT_EQ(Make("c"), "2002／12／07 13：05：09");
    EXPECT_EQ(Make("'*?<>;'yyyy\\mm'\"'"), "＊？＜＞；2002￥12”");
}

TEST_F(DefaultFileName, LeavesSpacesDotsAndTheLocaleNamesAlone) {
    EXPECT_EQ(Make(" yyyy.mm. "), " 2002.12. ");
    EXPECT_EQ(MakeDefFileName("dddd", FClock, ReferenceDateTimeLocale()), "土曜日");
    FLocale.DateSeparator = "-";
    EXPECT_EQ(Make("yyyy/mm/dd"), "2002-12-07");
}

TEST_F(DefaultFileName, TheCommandLineNameReplacesOnlyColonAndSlash) {
    EXPECT_EQ(MakeCommandLineDefFileName("yyyy/mm/dd hh:nn", FClock, FLocale),
              "2002／12／07 13：05");
    EXPECT_EQ(MakeCommandLineDefFileName("'*?<>;|\"'\\yyyy", FClock, FLocale), "*?<>;|\"\\2002");
}

TEST(FullWidthReplacement, ReplacesEachOfTheTenCharacters) {
    EXPECT_EQ(ToFullWidthFileNameCharacters(":/*;?<>\\|\""), "：／＊；？＜＞￥｜”");
    EXPECT_EQ(ToFullWidthFileNameCharacters("a:b::c"), "a：b：：c");
    EXPECT_EQ(ToFullWidthColonAndSlash(":/*;?<>\\|\""), "：／*;?<>\\|\"");
}

TEST(FullWidthReplacement, NeverTouchesABytePartOfAMultiByteCharacter) {
    // Kana and kanji whose second Shift-JIS byte is "\" or "|", a four-byte character, and
    // characters that are full-width already.
    EXPECT_EQ(ToFullWidthFileNameCharacters("表ソ能ポ𠮷：／”"), "表ソ能ポ𠮷：／”");
    EXPECT_EQ(ToFullWidthFileNameCharacters("表\\ポ|"), "表￥ポ｜");
    // A lone lead byte is no character, so the "\" after it is one of its own.
    EXPECT_EQ(ToFullWidthFileNameCharacters("\xE8\\"), "\xE8￥");
}

}  // namespace
}  // namespace wyndrel::text
