// The typed settings helpers over the in-memory file system.
#include "fakes/fake_files.h"
#include "settings/ini_access.h"

#include <gtest/gtest.h>

namespace wyndrel::settings {
namespace {

class IniHelpers : public ::testing::Test {
protected:
    IniHelpers() { Ini.IniFileName = Path; }
    void Store(const std::string& text) { Files.AddFile(Path, text); }

    const std::string Path = "C:\\Tools\\wyndrel.ini";
    fakes::TFakeFiles Files;
    TIniAccess Ini{Files};
};

TEST(IniBooleans, ReadYesAndTrueInAnyCaseAsTrueAndNoAndFalseAsFalse) {
    for (const char* text : {"yes", "YES", "Yes", "true", "TRUE", "tRuE"})
        EXPECT_TRUE(IniStrToBool(text, false)) << text;
    for (const char* text : {"no", "NO", "No", "false", "FALSE", "fAlSe"})
        EXPECT_FALSE(IniStrToBool(text, true)) << text;
}

TEST(IniBooleans, ReadNonZeroNumbersAsTrueAndZeroAsFalse) {
    EXPECT_TRUE(IniStrToBool("1", false));
    EXPECT_TRUE(IniStrToBool("-1", false));
    EXPECT_TRUE(IniStrToBool("  7", false));
    EXPECT_TRUE(IniStrToBool("$10", false));
    EXPECT_TRUE(IniStrToBool("0x1", false));
    EXPECT_TRUE(IniStrToBool("9999999999", false));
    EXPECT_FALSE(IniStrToBool("0", true));
    EXPECT_FALSE(IniStrToBool("$0", true));
}

TEST(IniBooleans, GiveTheDefaultForAnyOtherWord) {
    EXPECT_TRUE(IniStrToBool("on", true));
    EXPECT_FALSE(IniStrToBool("on", false));
    EXPECT_TRUE(IniStrToBool("", true));
    EXPECT_FALSE(IniStrToBool("1x", false));
    EXPECT_TRUE(IniStrToBool("18446744073709551616", true));
}

TEST(IniBooleans, AreWrittenTrueAndFalse) {
    EXPECT_EQ(BoolToIniStr(true), "True");
    EXPECT_EQ(BoolToIniStr(false), "False");
}

TEST_F(IniHelpers, GiveEveryDefaultWhenTheFileIsMissing) {
    EXPECT_EQ(Ini.ReadIniString("Option", "QuilPath", "C:\\Q.exe"), "C:\\Q.exe");
    EXPECT_EQ(Ini.ReadIniInteger("Option", "Left", -5), -5);
    EXPECT_TRUE(Ini.ReadIniBool("Option", "IsMostTop", true));
}

TEST_F(IniHelpers, GiveEveryDefaultWhenTheFileIsEmpty) {
    Store("");
    EXPECT_EQ(Ini.ReadIniString("Option", "QuilPath", "d"), "d");
    EXPECT_EQ(Ini.ReadIniInteger("Option", "Left", 3), 3);
    EXPECT_FALSE(Ini.ReadIniBool("Option", "IsIconic", false));
}

TEST_F(IniHelpers, ReadAnEmptyStringValueAsEmptyAndAMissingKeyAsTheDefault) {
    Store("[Option]\r\nQuilPath=\r\n");
    EXPECT_EQ(Ini.ReadIniString("Option", "QuilPath", "default"), "");
    EXPECT_EQ(Ini.ReadIniString("Option", "Other", "default"), "default");
}

TEST_F(IniHelpers, DropTheTrailingBlanksOfADefault) {
    EXPECT_EQ(Ini.ReadIniString("S", "k", " a b  "), " a b");
}

TEST_F(IniHelpers, CutAStringValueLongerThan510CharactersTo510) {
    std::string value(511, 'a');
    value[509] = 'y';
    value[510] = 'z';
    Store("[S]\r\nk=" + value + "\r\n");
    EXPECT_EQ(Ini.ReadIniString("S", "k", ""), value.substr(0, 510));
}

TEST_F(IniHelpers, CountTheLimitInCharactersNeverCuttingOneInTwo) {
    std::string value;
    for (int i = 0; i < 511; ++i) value += "字";
    Store("[S]\r\nk=" + value + "\r\n");
    EXPECT_EQ(Ini.ReadIniString("S", "k", ""), value.substr(0, 510 * 3));
}

TEST_F(IniHelpers, ScanIntegersAsThePlatformDoes) {
    Store(
        "[S]\r\nletters=12abc\r\nhex=0x1F\r\nnegative= "
        "-40\r\nword=abc\r\nempty=\r\nwrap=4294967297\r\n");
    EXPECT_EQ(Ini.ReadIniInteger("S", "letters", 5), 12);
    EXPECT_EQ(Ini.ReadIniInteger("S", "hex", 5),
              31);  // the platform reads a "0x" prefix as hexadecimal
    EXPECT_EQ(Ini.ReadIniInteger("S", "negative", 5), -40);
    EXPECT_EQ(Ini.ReadIniInteger("S", "word", 5), 0);
    EXPECT_EQ(Ini.ReadIniInteger("S", "empty", 5), 5);
    EXPECT_EQ(Ini.ReadIniInteger("S", "missing", 5), 5);
    EXPECT_EQ(Ini.ReadIniInteger("S", "wrap", 5), 1);
}

TEST_F(IniHelpers, GiveTheBooleanDefaultForAMissingKeyAndForAnEmptyValue) {
    Store("[S]\r\nempty=\r\n");
    EXPECT_TRUE(Ini.ReadIniBool("S", "empty", true));
    EXPECT_FALSE(Ini.ReadIniBool("S", "empty", false));
    EXPECT_TRUE(Ini.ReadIniBool("S", "missing", true));
    EXPECT_FALSE(Ini.ReadIniBool("S", "missing", false));
}

TEST_F(IniHelpers, ReadATrueWrittenBooleanBackAsTrue) {
    Files.AddFolder("C:\\Tools");
    Ini.WriteIniBool("Option", "IsIconic", true);
    EXPECT_TRUE(Ini.ReadIniBool("Option", "IsIconic", false));
    EXPECT_EQ(Files.Content(Path), "[Option]\r\nIsIconic=True\r\n");
}

TEST_F(IniHelpers, WriteIntegersInCanonicalDecimal) {
    Files.AddFolder("C:\\Tools");
    Ini.WriteIniInteger("List", "Left", -2147483647 - 1);
    Ini.WriteIniInteger("List", "Top", 0);
    EXPECT_EQ(Files.Content(Path), "[List]\r\nLeft=-2147483648\r\nTop=0\r\n");
}

TEST_F(IniHelpers, SeeAnEditOfTheFileMadeBetweenTwoReads) {
    Store("[S]\r\nk=1\r\n");
    EXPECT_EQ(Ini.ReadIniInteger("S", "k", 0), 1);
    Store("[S]\r\nk=2\r\n");
    EXPECT_EQ(Ini.ReadIniInteger("S", "k", 0), 2);
}

TEST_F(IniHelpers, KeepEveryOtherLineCommentAndBlankLineOnAWrite) {
    Store("; written by hand\r\n\r\n[Option]\r\nLeft=1\r\nTop=2\r\n\r\n[List]\r\nLeft=9\r\n");
    Ini.WriteIniString("option", "LEFT", "100");
    EXPECT_EQ(Files.Content(Path),
              "; written by hand\r\n\r\n[Option]\r\nLEFT=100\r\nTop=2\r\n\r\n[List]\r\nLeft=9\r\n");
}

TEST_F(IniHelpers, FailSilentlyInAnUnwritableFolderAndThenReadDefaults) {
    Files.AddFolder("C:\\Tools");
    Files.MakeFolderUnwritable("C:\\Tools");
    Ini.WriteIniString("Option", "QuilPath", "C:\\x.exe");
    Ini.WriteIniInteger("Option", "Left", 4);
    Ini.WriteIniBool("Option", "IsIconic", true);
    EXPECT_FALSE(Files.FileExists(Path));
    EXPECT_EQ(Ini.ReadIniString("Option", "QuilPath", "d"), "d");
    EXPECT_EQ(Ini.ReadIniInteger("Option", "Left", 7), 7);
    EXPECT_FALSE(Ini.ReadIniBool("Option", "IsIconic", false));
}

TEST_F(IniHelpers, LeaveAReadOnlyFileAsItWas) {
    Files.AddFile(Path, "[Option]\r\nLeft=1\r\n", true);
    Ini.WriteIniInteger("Option", "Left", 2);
    EXPECT_EQ(Files.Content(Path), "[Option]\r\nLeft=1\r\n");
    EXPECT_TRUE(Files.IsReadOnly(Path));
}

TEST_F(IniHelpers, LeaveTheOldFileWholeWhenTheDiskIsFull) {
    Store("[Option]\r\nLeft=1\r\n");
    Files.FailWritesWithDiskFull(true);
    Ini.WriteIniInteger("Option", "Left", 2);
    EXPECT_EQ(Files.Content(Path), "[Option]\r\nLeft=1\r\n");
}

TEST_F(IniHelpers, LeaveTheOldFileWholeWhenTheProgramIsKilledDuringAWrite) {
    const std::string old =
        "[Option]\r\nLeft=1\r\nTop=2\r\n[Favorites]\r\nItemCount=1\r\nFile0=C:\\a.txt\r\n";
    Store(old);
    Files.CrashDuringNextWrite();
    EXPECT_THROW(Ini.WriteIniInteger("Option", "Left", 2), fakes::ESimulatedCrash);
    EXPECT_EQ(Files.Content(Path), old);
    EXPECT_EQ(Ini.ReadIniInteger("Option", "Left", 0), 1);
    EXPECT_EQ(Ini.ReadIniString("Favorites", "File0", ""), "C:\\a.txt");
    Ini.WriteIniInteger("Option", "Left", 3);
    EXPECT_EQ(Ini.ReadIniInteger("Option", "Left", 0), 3);
}

TEST_F(IniHelpers, StorePathsOnlyInAFormThatNamesTheSameFile) {
    Files.DeclareUnfitCharacters({"é"});
    Files.AddFile("C:\\Tools\\café\\Quillon.exe", "");
    Files.AddShortPath("C:\\Tools\\café\\Quillon.exe", "C:\\Tools\\CAF_~1\\Quillon.exe");
    EXPECT_FALSE(Ini.WriteIniPath("Option", "QuilPath", "C:\\Tools\\café\\Quillon.exe"));
    const std::string stored = "[Option]\r\nQuilPath=C:\\Tools\\CAF_~1\\Quillon.exe\r\n";
    EXPECT_EQ(Files.Content(Path), stored);
    // No short form (a missing file), or any other value the code page cannot hold: nothing
    // written.
    auto error = Ini.WriteIniPath("AutoSave", "File0", "C:\\gone\\résumé.txt");
    EXPECT_NE(error.value().Message.find("'C:\\gone\\résumé.txt'"), std::string::npos);
    Ini.WriteIniString("Option", "IsFileNameDateTime", "café-yyyymmdd");
    EXPECT_EQ(Files.Content(Path), stored);
}

TEST_F(IniHelpers, GiveDefaultsAndWriteNothingWhileNoFileNameIsSet) {
    Ini.IniFileName.clear();
    Ini.WriteIniString("S", "k", "v");
    EXPECT_EQ(Files.WriteCount(), 0);
    EXPECT_EQ(Ini.ReadIniString("S", "k", "d"), "d");
}

TEST_F(IniHelpers, FollowTheFileNameWhenItIsPointedElsewhere) {
    Store("[Option]\r\nHtmlDocFilter=mine\r\n");
    Files.AddFile("C:\\Q\\Quillon.ini", "[Option]\r\nHtmlDocFilter=*.htm\r\n");
    Ini.IniFileName = "C:\\Q\\Quillon.ini";
    EXPECT_EQ(Ini.ReadIniString("Option", "HtmlDocFilter", ""), "*.htm");
    Ini.IniFileName = Path;
    EXPECT_EQ(Ini.ReadIniString("Option", "HtmlDocFilter", ""), "mine");
}

}  // namespace
}  // namespace wyndrel::settings
