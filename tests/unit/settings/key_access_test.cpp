// Settings read and written by key: the reader, default and length each key's entry names,
// and the two rules for a write the file refuses.
#include "fakes/fake_files.h"
#include "settings/ini_access.h"
#include "settings/setting_keys.h"
#include "settings/settings_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace wyndrel::settings {
namespace {

class KeyAccess : public ::testing::Test {
protected:
    KeyAccess() {
        Ini.IniFileName = Path;
        Files.AddFolder("C:\\Tools");
    }
    void Store(const std::string& text) { Files.AddFile(Path, text); }
    TSettingsWriter Writer(TWriteFailure failure) {
        return TSettingsWriter(Ini, failure,
                               [this](const std::string& text) { Told.push_back(text); });
    }

    const std::string Path = "C:\\Tools\\wyndrel.ini";
    fakes::TFakeFiles Files;
    TIniAccess Ini{Files};
    std::vector<std::string> Told;
};

TEST_F(KeyAccess, ReadsEachIntegerStrictlyOrByScanningAsItsKindSaysForThePlace) {
    Store(
        "[Option]\r\nLastSheet=3abc\r\nUserWindowMode=2x\r\nDeleyWaitTime=0x1F\r\n"
        "[Favorites]\r\nItemCount=4z\r\n[List]\r\nTop=7q\r\n");
    TSettingsFile dialog = Ini.SettingsFile(TReadPlace::OptionsDialog);
    TSettingsFile startUp = Ini.SettingsFile();
    EXPECT_EQ(dialog.Read(keys::LastSheet), 0);  // strict in the dialog, scanned elsewhere
    EXPECT_EQ(Ini.Read(keys::LastSheet), 3);
    EXPECT_EQ(startUp.Read(keys::LastSheet), 3);
    EXPECT_EQ(dialog.Read(keys::FavoritesItemCount), 4);  // scanned in the dialog, strict elsewhere
    EXPECT_EQ(startUp.Read(keys::FavoritesItemCount), 0);
    EXPECT_EQ(Ini.Read(keys::FavoritesItemCount), 0);
    EXPECT_EQ(dialog.Read(keys::UserWindowMode), 0);  // strict everywhere
    EXPECT_EQ(Ini.Read(keys::UserWindowMode), 0);
    EXPECT_EQ(dialog.Read(keys::ListTop), 7);  // scanned everywhere
    EXPECT_EQ(Ini.Read(keys::ListTop), 7);
    EXPECT_EQ(dialog.Read(keys::DeleyWaitTime), 31);
    EXPECT_EQ(Ini.Read(keys::AutoSaveInterval), 1800);
}

TEST_F(KeyAccess, ReadsStringsOfUpTo510CharactersByTheHelpersAnd2047ByTheSettingsFile) {
    const std::string path(3000, 'p');
    Store("[Option]\r\nQuilPath=" + path + "\r\n[Favorites]\r\nFile0=" + path + "\r\n");
    EXPECT_EQ(Ini.Read(keys::QuilPath), path.substr(0, 510));
    EXPECT_EQ(Ini.SettingsFile().Read(keys::QuilPath), path.substr(0, 2047));
    EXPECT_EQ(Ini.Read(keys::FavoritesFile, 0), path.substr(0, 510));
    EXPECT_EQ(Ini.SettingsFile().Read(keys::FavoritesFile, 0), path.substr(0, 2047));
    EXPECT_EQ(Ini.Read(keys::FavoritesFile, 1), "");
    EXPECT_EQ(Ini.SettingsFile().Read(keys::FavoritesFile, 1, "Read Error - 1"), "Read Error - 1");
    EXPECT_EQ(Ini.Read(keys::IsFileNameDateTime), "yyyymmdd");
    EXPECT_FALSE(Ini.Read(keys::CloseNoExit));
    EXPECT_TRUE(Ini.Read(keys::IsMostTop));
}

TEST_F(KeyAccess, TakesTheCallersDefaultWhereOnlyTheCallerKnowsIt) {
    Store("[List]\r\nLastWidth1=90\r\n");
    EXPECT_EQ(Ini.Read(keys::ListLastWidth, 1, 36), 90);
    EXPECT_EQ(Ini.Read(keys::ListLastWidth, 2, 37), 37);
    EXPECT_EQ(Ini.Read(keys::ListWidth, 640), 640);
    EXPECT_EQ(Ini.SettingsFile(TReadPlace::OptionsDialog).Read(keys::UserLeft, 40), 40);
    EXPECT_EQ(Ini.SettingsFile().Read(keys::QuilPath, "C:\\Q\\Quillon.exe"), "C:\\Q\\Quillon.exe");
    EXPECT_THROW(Ini.Read(keys::Left), std::logic_error);
    EXPECT_THROW(Ini.SettingsFile().Read(keys::UserTop), std::logic_error);
}

TEST_F(KeyAccess, WritesEveryKindOfKeyUnderItsSectionAndName) {
    Files.DeclareUnfitCharacters({"é"});
    EXPECT_FALSE(Ini.Write(keys::IsIconic, true));
    EXPECT_FALSE(Ini.Write(keys::AutoSaveInterval, -60));
    EXPECT_FALSE(Ini.Write(keys::IsFileNameDateTime, "yymmdd"));
    EXPECT_FALSE(Ini.Write(keys::AutoSaveFile, 3, "C:\\a.txt"));
    EXPECT_FALSE(Ini.Write(keys::ListLastWidth, 5, 60));
    EXPECT_FALSE(Ini.WritePath(keys::QuilPath, "C:\\Q\\Quillon.exe"));
    auto refused = Ini.WritePath(keys::FavoritesFile, 0, "C:\\café.txt");
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->Message.find("C:\\café.txt"), std::string::npos);
    EXPECT_EQ(
        Files.Content(Path),
        "[Option]\r\nIsIconic=True\r\nIsFileNameDateTime=yymmdd\r\nQuilPath=C:\\Q\\Quillon.exe\r\n"
        "[AutoSave]\r\nInterval=-60\r\nFile3=C:\\a.txt\r\n[List]\r\nLastWidth5=60\r\n");
    Files.FailWritesWithDiskFull(true);
    EXPECT_TRUE(Ini.Write(keys::IsIconic, false));
}

TEST_F(KeyAccess, AReportingWriterTellsTheFirstFailureOnceAndWritesNothingAfterIt) {
    Store("[Option]\r\nLastSheet=2\r\n");
    Files.FailWritesWithDiskFull(true);
    TSettingsWriter writer = Writer(TWriteFailure::Report);
    EXPECT_TRUE(writer.Ready());
    writer.Write(keys::LastSheet, 0);
    Files.FailWritesWithDiskFull(false);
    writer.Write(keys::CloseNoExit, true);
    EXPECT_TRUE(writer.Failed());
    EXPECT_EQ(Told, std::vector<std::string>{Path + " に書き込めません"});
    EXPECT_EQ(Files.Content(Path), "[Option]\r\nLastSheet=2\r\n");

    // A file that cannot be read refuses every write: told before any is tried.
    Files.MakeUnreadable(Path);
    TSettingsWriter refused = Writer(TWriteFailure::Report);
    EXPECT_FALSE(refused.Ready());
    EXPECT_TRUE(refused.Failed());
    EXPECT_EQ(Told.size(), 2u);
    EXPECT_EQ(Files.WriteCount(), 0);
}

TEST_F(KeyAccess, AReportingWriterTellsAPathTheFileCannotHoldAndStoresTheOtherKeys) {
    Files.DeclareUnfitCharacters({"é"});
    TSettingsWriter writer = Writer(TWriteFailure::Report);
    writer.WritePath(keys::QuilPath, "C:\\Qé\\Quillon.exe");
    writer.Write(keys::UseDefFileName, true);
    ASSERT_EQ(Told.size(), 1u);
    EXPECT_NE(Told[0].find("C:\\Qé\\Quillon.exe"), std::string::npos);
    EXPECT_FALSE(writer.Failed());
    EXPECT_EQ(Files.Content(Path), "[Option]\r\nUseDefFileName=True\r\n");
}

TEST_F(KeyAccess, AnIgnoringWriterGoesOnWithoutAWord) {
    Store("[Option]\r\nLeft=1\r\n");
    Files.MakeUnreadable(Path);
    TSettingsWriter writer = Writer(TWriteFailure::Ignore);
    EXPECT_TRUE(writer.Ready());
    writer.Write(keys::Left, 5);
    writer.WritePath(keys::QuilPath, "C:\\Q\\Quillon.exe");
    Files.MakeUnreadable(Path, false);
    writer.Write(keys::Top, 6);
    EXPECT_FALSE(writer.Failed());
    EXPECT_TRUE(Told.empty());
    EXPECT_EQ(Files.Content(Path), "[Option]\r\nLeft=1\r\nTop=6\r\n");
}

}  // namespace
}  // namespace wyndrel::settings
