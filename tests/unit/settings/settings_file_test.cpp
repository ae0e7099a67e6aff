// The settings-file object: longer strings, the strict integer read, the reported write failure.
#include "fakes/fake_files.h"
#include "settings/ini_access.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

namespace wyndrel::settings {
namespace {

class SettingsFileObject : public ::testing::Test {
protected:
    void Store(const std::string& text) { Files.AddFile(Path, text); }

    const std::string Path = "C:\\Tools\\wyndrel.ini";
    fakes::TFakeFiles Files;
    TSettingsFile Settings{Files, Path};
};

TEST_F(SettingsFileObject, ReadsStringsOfUpTo2047Characters) {
    std::string value(2048, 'v');
    Store("[S]\r\nlong=" + value + "\r\nshort=" + value.substr(0, 600) + "\r\n");
    EXPECT_EQ(Settings.ReadString("S", "long", ""), value.substr(0, 2047));
    EXPECT_EQ(Settings.ReadString("S", "short", ""), value.substr(0, 600));
    EXPECT_EQ(Settings.ReadString("S", "missing", "Read Error - 1"), "Read Error - 1");
}

TEST_F(SettingsFileObject, ReadsIntegersStrictly) {
    Store(
        "[S]\r\nletters=12abc\r\nhex=0x1F\r\nupper=0X1f\r\ndollar=$10\r\nsigned= -3\r\n"
        "bare0x=0x\r\nempty=\r\nblankAfter=5 x\r\nbig=2147483648\r\n");
    EXPECT_EQ(Settings.ReadInteger("S", "letters", 7), 7);
    EXPECT_EQ(Settings.ReadInteger("S", "hex", 7), 31);
    EXPECT_EQ(Settings.ReadInteger("S", "upper", 7), 31);
    EXPECT_EQ(Settings.ReadInteger("S", "dollar", 7), 16);
    EXPECT_EQ(Settings.ReadInteger("S", "signed", 7), -3);
    EXPECT_EQ(Settings.ReadInteger("S", "bare0x", 7), 7);
    EXPECT_EQ(Settings.ReadInteger("S", "empty", 7), 7);
    EXPECT_EQ(Settings.ReadInteger("S", "missing", 7), 7);
    EXPECT_EQ(Settings.ReadInteger("S", "blankAfter", 7), 7);
    EXPECT_EQ(Settings.ReadInteger("S", "big", 7), 7);
}

TEST_F(SettingsFileObject, WritesIntegersInDecimal) {
    Store("[Option]\r\nLastSheet=9\r\n");
    Settings.WriteInteger("Option", "LastSheet", 0);
    EXPECT_EQ(Files.Content(Path), "[Option]\r\nLastSheet=0\r\n");
}

TEST_F(SettingsFileObject, RaisesAnErrorNamingTheFileWhenAWriteFails) {
    Files.AddFolder("C:\\Tools");
    Files.MakeFolderUnwritable("C:\\Tools");
    try {
        Settings.WriteInteger("Option", "LastSheet", 0);
        FAIL() << "no error raised";
    } catch (const ESettingsWriteError& error) {
        EXPECT_STREQ(error.what(), "C:\\Tools\\wyndrel.ini に書き込めません");
    }
}

TEST_F(SettingsFileObject, RaisesTheErrorAndKeepsTheOldFileWhenTheDiskIsFull) {
    Store("[Option]\r\nLastSheet=9\r\n");
    Files.FailWritesWithDiskFull(true);
    EXPECT_THROW(Settings.WriteInteger("Option", "LastSheet", 0), ESettingsWriteError);
    EXPECT_EQ(Files.Content(Path), "[Option]\r\nLastSheet=9\r\n");
}

TEST_F(SettingsFileObject, IsOpenedOnTheFileTheHelpersUse) {
    TIniAccess ini(Files);
    ini.IniFileName = Path;
    Store("[Option]\r\nDeleyWaitTime=12abc\r\n");
    EXPECT_EQ(ini.SettingsFile().FileName(), Path);
    EXPECT_EQ(ini.SettingsFile().ReadInteger("Option", "DeleyWaitTime", 1000), 1000);
    EXPECT_EQ(ini.ReadIniInteger("Option", "DeleyWaitTime", 1000), 12);
}

}  // namespace
}  // namespace wyndrel::settings
