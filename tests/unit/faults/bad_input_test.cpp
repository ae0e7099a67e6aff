// Bad input and failing surroundings: huge or garbage layout files, odd settings files, and
// windows that vanish while the engine works on them. Nothing crashes, nothing is started
// from a bad file, and settings fall back to their defaults.
#include "unit/layout/layout_world.h"
#include "platform/silent_abort.h"
#include "settings/ini_access.h"

#include <random>

namespace wyndrel::layout {
namespace {

class FaultsInLayoutFiles : public LayoutWorld {};

TEST_F(FaultsInLayoutFiles, RefusesTenMegabytesOfGarbageAndStartsNothing) {
    std::mt19937 random(42);
    std::string garbage(10 * 1024 * 1024, '\0');
    for (char& c : garbage) c = static_cast<char>(random() & 0xFF);
    Files.AddFile("C:\\garbage.qdl", garbage);
    Ui.Answer(TBoxAnswer::No);  // the header question: go on regardless
    EXPECT_THROW(Load("C:\\garbage.qdl"), ESilentAbort);
    EXPECT_TRUE(Processes.Starts().empty());
    ASSERT_EQ(Ui.Messages().size(), 2u);
    EXPECT_EQ(Ui.Messages()[1].Text.rfind("ユーザーエラーが発生しました。\r\n", 0), 0u);
    EXPECT_LT(Ui.Messages()[1].Text.size(), 1000u);  // the message names the line, not its bytes
}

TEST_F(FaultsInLayoutFiles, RefusesALineOfAHundredThousandCharactersAndStartsNothing) {
    Files.AddFile("C:\\long.qdl", "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nRect=" +
                                      std::string(100000, '9') + "\r\n");
    EXPECT_THROW(Load("C:\\long.qdl"), ESilentAbort);
    EXPECT_TRUE(Processes.Starts().empty());
    EXPECT_NE(Ui.Messages().at(0).Text.find("LoadLayout-WindowRect取得ポイント"),
              std::string::npos);
}

TEST_F(FaultsInLayoutFiles, RestoresTheOthersWhenAnEditorClosesDuringTheRestore) {
    WindowId first = Desktop.AddEditor("C:\\a.txt", {0, 0, 10, 10}, 0);
    WindowId second = Desktop.AddEditor("C:\\b.txt", {0, 0, 10, 10}, 0);
    Files.AddFile("C:\\day.qdl",
                  "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nRect=1,1,50,50\r\nFile=C:\\b.txt\r\n"
                  "Rect=2,2,60,60\r\nFile=C:\\c.txt\r\nRect=3,3,70,70\r\n");
    // The first editor closes as soon as the search for the first entry has passed it.
    Desktop.OnEachEnumeratedWindow([&](WindowId window) {
        if (window == first) Desktop.Destroy(first);
    });
    Load("C:\\day.qdl");
    EXPECT_EQ(Desktop.Window(second).Bounds, (Rect{2, 2, 62, 62}));
    WindowId started = EditorShowing("C:\\c.txt");
    ASSERT_TRUE(started);
    EXPECT_EQ(Desktop.Window(started).Bounds, (Rect{3, 3, 73, 73}));
}

TEST_F(FaultsInLayoutFiles, KeepsTheOldLayoutWholeWhenTheWriteFailsOnAFullDisk) {
    Desktop.AddEditor("C:\\a.txt");
    Files.AddFile("C:\\day.qdl", "[QuillonLayoutFile]\r\n");
    Files.FailWritesWithDiskFull(true);
    EXPECT_FALSE(SaveLayout(Engine, Files, Ui, "C:\\day.qdl"));
    EXPECT_EQ(Files.Content("C:\\day.qdl"), "[QuillonLayoutFile]\r\n");
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_NE(
        Ui.Messages()[0].Text.find("ファイル書込中に EInOutError クラスのエラーが発生しました。"),
        std::string::npos);
}

class FaultsInSettingsFiles : public ::testing::Test {
protected:
    FaultsInSettingsFiles() { Ini.IniFileName = "C:\\Tools\\wyndrel.ini"; }
    fakes::TFakeFiles Files;
    settings::TIniAccess Ini{Files};
};

TEST_F(FaultsInSettingsFiles, ReadsDefaultsFromAFolderAndWritesNothingIntoIt) {
    Files.AddFolder("C:\\Tools\\wyndrel.ini");
    EXPECT_EQ(Ini.ReadIniInteger("Option", "Left", 17), 17);
    EXPECT_TRUE(Ini.ReadIniBool("Option", "IsMostTop", true));
    Ini.WriteIniInteger("Option", "Left", 3);
    EXPECT_TRUE(Files.DirectoryExists("C:\\Tools\\wyndrel.ini"));
    EXPECT_THROW(Ini.SettingsFile().WriteInteger("Option", "Left", 3),
                 settings::ESettingsWriteError);
}

TEST_F(FaultsInSettingsFiles, ReadsPastAByteOrderMarkAndAMegabyteLine) {
    Files.AddFile(Ini.IniFileName,
                  "\xEF\xBB\xBF; written by another editor\r\n[Option]\r\nQuilPath=" +
                      std::string(1024 * 1024, 'x') + "\r\n[List]\r\nTop=7\r\n");
    EXPECT_EQ(Ini.ReadIniString("Option", "QuilPath", "").size(), 510u);
    EXPECT_EQ(Ini.SettingsFile().ReadString("Option", "QuilPath", "").size(), 2047u);
    EXPECT_EQ(Ini.ReadIniInteger("List", "Top", 150), 7);
}

TEST_F(FaultsInSettingsFiles, ReadsEveryDefaultFromAnEmptyFile) {
    Files.AddFile(Ini.IniFileName, "");
    EXPECT_EQ(Ini.ReadIniInteger("AutoSave", "Interval", 1800), 1800);
    EXPECT_EQ(Ini.SettingsFile().ReadInteger("Option", "DeleyWaitTime", 1000), 1000);
    EXPECT_EQ(Ini.ReadIniString("Option", "IsFileNameDateTime", "yyyymmdd"), "yyyymmdd");
}

}  // namespace
}  // namespace wyndrel::layout
