// Trimming, case mapping, path splitting and UTF-8 walking.
#include "text/case_mapping.h"
#include "text/path_split.h"
#include "text/trim.h"
#include "text/utf8.h"

#include <gtest/gtest.h>

namespace wyndrel::text {
namespace {

TEST(Trimming, StripsBlanksAndControlCharactersAtBothEndsOnly) {
    EXPECT_EQ(Trim("\t  C:\\a b.txt \r\n"), "C:\\a b.txt");
    EXPECT_EQ(Trim(std::string("\0x\x1f", 3)), "x");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(TrimLeft("  a  "), "a  ");
    EXPECT_EQ(TrimRight("  a  "), "  a");
    EXPECT_EQ(Trim("\xE3\x80\x80x\xE3\x80\x80"),
              "\xE3\x80\x80x\xE3\x80\x80");  // an ideographic space stays
}

TEST(CaseMapping, MapsLatinGreekCyrillicAndFullWidthLettersBothWays) {
    EXPECT_EQ(LocaleUpper("c:\\docs\\quillon.exe"), "C:\\DOCS\\QUILLON.EXE");
    EXPECT_EQ(LocaleLower("C:\\DOCS\\ÄÖ.TXT"), "c:\\docs\\äö.txt");
    EXPECT_EQ(LocaleUpper("ａｂｚ αω жя ÿ ā"), "ＡＢＺ ΑΩ ЖЯ Ÿ Ā");
    EXPECT_EQ(LocaleLower("ＡＢＺ ΑΩ ЖЯ Ÿ Ā Ё"), "ａｂｚ αω жя ÿ ā ё");
}

TEST(CaseMapping, LeavesKanaKanjiAndBrokenBytesAlone) {
    EXPECT_EQ(LocaleUpper("メモ帳.txt"), "メモ帳.TXT");
    EXPECT_EQ(LocaleUpper(std::string("a\xff"
                                      "b")),
              std::string("A\xff"
                          "B"));
    EXPECT_TRUE(SameTextIgnoringCase("C:\\Data\\ＡＢ.txt", "c:\\data\\ａｂ.TXT"));
    EXPECT_FALSE(SameTextIgnoringCase("a.txt", "a.txt "));
}

TEST(CaseMapping, AsciiUpperLeavesEveryOtherLetterAlone) {
    EXPECT_EQ(AsciiUpper("yes ä ｙ"), "YES ä ｙ");
}

TEST(PathSplitting, SplitsAtTheLastBackslashSlashOrColon) {
    EXPECT_EQ(ExtractFileName("C:\\Program Files\\Quillon\\Quillon.exe"), "Quillon.exe");
    EXPECT_EQ(ExtractFilePath("C:\\Program Files\\Quillon\\Quillon.exe"),
              "C:\\Program Files\\Quillon\\");
    EXPECT_EQ(ExtractFileName("C:Quillon.exe"), "Quillon.exe");
    EXPECT_EQ(ExtractFileName("C:/tools/Quillon.exe"), "Quillon.exe");
    EXPECT_EQ(ExtractFileName("C:\\"), "");
    EXPECT_EQ(ExtractFilePath("plain"), "");
}

TEST(PathSplitting, ChangesOnlyTheExtensionOfTheNamePart) {
    EXPECT_EQ(ChangeFileExt("C:\\Tools\\wyndrel.exe", ".ini"), "C:\\Tools\\wyndrel.ini");
    EXPECT_EQ(ChangeFileExt("C:\\v1.2\\wyndrel", ".ini"), "C:\\v1.2\\wyndrel.ini");
    EXPECT_EQ(ChangeFileExt("C:\\a\\b.tar.gz", ".ini"), "C:\\a\\b.tar.ini");
}

TEST(Utf8, CountsAndCutsWholeCharacters) {
    EXPECT_EQ(CharacterCount("日本語abc"), 6u);
    EXPECT_EQ(FirstCharacters("日本語abc", 2), "日本");
    EXPECT_EQ(FirstCharacters("ab", 5), "ab");
    EXPECT_EQ(DecodeAt("\xC0\x80", 0).Length, 1u);  // an overlong form is no character
    // A wide field of 4 units holds "a", "日" and one surrogate pair, but not half of the next.
    EXPECT_EQ(FirstUtf16Units("a日\U0001F600\U0001F600", 4), "a日\U0001F600");
    EXPECT_EQ(FirstUtf16Units("a日\U0001F600", 3), "a日");
    EXPECT_EQ(FirstUtf16Units("abc", 127), "abc");
}

}  // namespace
}  // namespace wyndrel::text
