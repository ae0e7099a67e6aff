// Finding and setting one value in an INI text with the platform's private-profile rules.
#include "settings/ini_text.h"

#include <gtest/gtest.h>

namespace wyndrel::settings {
namespace {

TEST(IniTextFind, ComparesSectionAndKeyNamesWithoutRegardToLetterCase) {
    EXPECT_EQ(FindIniValue("[option]\r\nquilpath=C:\\Q.exe\r\n", "OPTION", "QuilPath"),
              "C:\\Q.exe");
}

TEST(IniTextFind, IgnoresBlanksAroundNamesAndValues) {
    EXPECT_EQ(FindIniValue("  [ Option ]  \n\t Left \t=  12 \t\n", "Option", "Left"), "12");
    EXPECT_EQ(FindIniValue("[Option]\nLeft=12\n", " Option ", " Left "), "12");
}

TEST(IniTextFind, ReadsAValueInMatchingQuotesWithoutThem) {
    std::string text = "[S]\na=\"  x  \"\nb='y'\nc=\"z'\nd=\"\ne=\"\"\n";
    EXPECT_EQ(FindIniValue(text, "S", "a"), "  x  ");
    EXPECT_EQ(FindIniValue(text, "S", "b"), "y");
    EXPECT_EQ(FindIniValue(text, "S", "c"), "\"z'");
    EXPECT_EQ(FindIniValue(text, "S", "d"), "\"");
    EXPECT_EQ(FindIniValue(text, "S", "e"), "");
}

TEST(IniTextFind, TakesTheFirstOccurrenceOfADuplicateKeyAndSection) {
    std::string text = "[S]\nk=1\nk=2\n[s]\nk=3\nother=4\n";
    EXPECT_EQ(FindIniValue(text, "S", "k"), "1");
    EXPECT_EQ(FindIniValue(text, "S", "other"), std::nullopt);
}

TEST(IniTextFind, GivesNoValueForAMissingSectionKeyOrEqualsSign) {
    std::string text = "top=0\n[S]\nbare\nempty=\n;k=commented\n";
    EXPECT_EQ(FindIniValue(text, "T", "bare"), std::nullopt);
    EXPECT_EQ(FindIniValue(text, "S", "bare"), std::nullopt);
    EXPECT_EQ(FindIniValue(text, "S", "missing"), std::nullopt);
    EXPECT_EQ(FindIniValue(text, "S", ";k"), std::nullopt);
    EXPECT_EQ(FindIniValue(text, "S", "empty"), "");
    EXPECT_EQ(FindIniValue(text, "", "top"), std::nullopt);
}

TEST(IniTextFind, KeepsAnEqualsSignInsideTheValue) {
    EXPECT_EQ(FindIniValue("[S]\nk = a=b \n", "S", "k"), "a=b");
}

TEST(IniTextFind, ReadsLfCrLfAndAFinalLineWithoutEnding) {
    EXPECT_EQ(FindIniValue("[S]\r\na=1\r\nb=2", "S", "b"), "2");
    EXPECT_EQ(FindIniValue("[S]\na=1\nb=2\n", "S", "a"), "1");
}

TEST(IniTextSet, CreatesSectionAndKeyInAnEmptyText) {
    EXPECT_EQ(SetIniValue("", "Option", "Left", "5"), "[Option]\r\nLeft=5\r\n");
}

TEST(IniTextSet, ReplacesOnlyTheFirstKeyLineAndKeepsEveryOtherLine) {
    std::string text = "; settings\r\n[Option]\r\n  LEFT = 1\r\nTop=2\r\n\r\n[List]\r\nLeft=3\r\n";
    EXPECT_EQ(SetIniValue(text, "option", "Left", "-7"),
              "; settings\r\n[Option]\r\nLeft=-7\r\nTop=2\r\n\r\n[List]\r\nLeft=3\r\n");
}

TEST(IniTextSet, AddsAMissingKeyAfterTheSectionsLastLineBeforeBlankLines) {
    std::string text = "[Option]\r\nTop=2\r\n\r\n[List]\r\nLeft=3\r\n";
    EXPECT_EQ(SetIniValue(text, "Option", "Left", "1"),
              "[Option]\r\nTop=2\r\nLeft=1\r\n\r\n[List]\r\nLeft=3\r\n");
}

TEST(IniTextSet, AddsAMissingSectionAtTheEndInTheFilesOwnLineEndings) {
    EXPECT_EQ(SetIniValue("[A]\nx=1", "B", "y", "2"), "[A]\nx=1\n[B]\ny=2\n");
    EXPECT_EQ(SetIniValue("[A]\nx=1", "A", "y", "2"), "[A]\nx=1\ny=2\n");
}

TEST(IniTextSet, AddsAKeyToAnEmptySectionRightAfterItsHeader) {
    EXPECT_EQ(SetIniValue("[A]\r\n[B]\r\n", "A", "k", "v"), "[A]\r\nk=v\r\n[B]\r\n");
}

TEST(IniTextSet, WritesIntoTheFirstOfTwoSectionsOfTheSameName) {
    EXPECT_EQ(SetIniValue("[S]\nk=1\n[s]\nk=2\n", "S", "k", "3"), "[S]\nk=3\n[s]\nk=2\n");
    EXPECT_EQ(SetIniValue("[S]\na=1\n[s]\nk=2\n", "S", "k", "3"), "[S]\na=1\nk=3\n[s]\nk=2\n");
}

TEST(IniTextSet, WritesTheValueAsGivenSoItReadsBack) {
    std::string text = SetIniValue("", "S", "k", "C:\\a b\\c.txt");
    EXPECT_EQ(FindIniValue(text, "S", "k"), "C:\\a b\\c.txt");
}

}  // namespace
}  // namespace wyndrel::settings
