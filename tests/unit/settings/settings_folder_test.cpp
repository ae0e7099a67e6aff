// The settings folder chosen at start-up on the in-memory file system: beside the program
// where a settings file there can be written, else the user's own folder with the settings
// brought along once.
#include "fakes/fake_files.h"
#include "settings/settings_folder.h"

#include <gtest/gtest.h>

namespace wyndrel::settings {
namespace {

class SettingsFolder : public ::testing::Test {
protected:
    SettingsFolder() {
        Files.AddFile(Exe, "");
        Files.SetUserAppDataFolder("C:\\Users\\Aki\\AppData\\Roaming");
    }

    const std::string Exe = "C:\\Program Files\\Wyndrel\\wyndrel-0.1.exe";
    const std::string Beside = "C:\\Program Files\\Wyndrel\\wyndrel-0.1.ini";
    const std::string UserIni = "C:\\Users\\Aki\\AppData\\Roaming\\Wyndrel\\wyndrel.ini";
    fakes::TFakeFiles Files;
};

TEST_F(SettingsFolder, StaysBesideTheProgramWhereASettingsFileThereCanBeCreatedOrWritten) {
    TSettingsFolder folder = DecideSettingsFolder(Files, Exe);
    EXPECT_EQ(folder.IniPath(), Beside);
    EXPECT_EQ(folder.SnapshotPath(), "C:\\Program Files\\Wyndrel\\VOREZUVA.KTDK");
    EXPECT_EQ(folder.File("last.qdl"), "C:\\Program Files\\Wyndrel\\last.qdl");

    Files.AddFile(Beside, "[Option]\r\nIsIconic=True\r\n");
    EXPECT_EQ(DecideSettingsFolder(Files, Exe).IniPath(), Beside);
    EXPECT_FALSE(Files.DirectoryExists("C:\\Users\\Aki\\AppData\\Roaming\\Wyndrel"));
    EXPECT_EQ(Files.WriteCount(), 0);
}

TEST_F(SettingsFolder,
       MovesToTheUsersFolderWhereTheProgramsFolderRefusesWritesBringingTheSettingsOnce) {
    Files.AddFile(Beside, "[Option]\r\nIsIconic=True\r\n");
    Files.MakeFolderUnwritable("C:\\Program Files\\Wyndrel");
    TSettingsFolder folder = DecideSettingsFolder(Files, Exe);
    EXPECT_EQ(folder.Folder(), "C:\\Users\\Aki\\AppData\\Roaming\\Wyndrel\\");
    EXPECT_EQ(folder.IniPath(), UserIni);
    EXPECT_EQ(folder.SnapshotPath(), "C:\\Users\\Aki\\AppData\\Roaming\\Wyndrel\\VOREZUVA.KTDK");
    EXPECT_EQ(Files.Content(UserIni), "[Option]\r\nIsIconic=True\r\n");

    // What the user changes since is kept: the file beside the program is not copied again.
    Files.AddFile(UserIni, "[Option]\r\nIsIconic=False\r\n");
    EXPECT_EQ(DecideSettingsFolder(Files, Exe).IniPath(), UserIni);
    EXPECT_EQ(Files.Content(UserIni), "[Option]\r\nIsIconic=False\r\n");

    // A settings file that cannot be written (read-only) in a folder that can, likewise; one
    // that cannot be read is not brought along.
    fakes::TFakeFiles other;
    other.SetUserAppDataFolder("C:\\Users\\Aki\\AppData\\Roaming");
    other.AddFile(Beside, "[Option]\r\n", true);
    EXPECT_EQ(DecideSettingsFolder(other, Exe).IniPath(), UserIni);
    EXPECT_EQ(other.Content(UserIni), "[Option]\r\n");
    other.RemoveFolder("C:\\Users\\Aki\\AppData\\Roaming\\Wyndrel");
    other.ClearReadOnly(Beside);
    other.MakeUnreadable(Beside);
    EXPECT_EQ(DecideSettingsFolder(other, Exe).IniPath(), UserIni);
    EXPECT_FALSE(other.FileExists(UserIni));
}

TEST_F(SettingsFolder, StaysBesideTheProgramWhenTheUsersFolderCannotBeHadEither) {
    Files.MakeFolderUnwritable("C:\\Program Files\\Wyndrel");
    Files.MakeFolderUnwritable("C:\\Users\\Aki\\AppData\\Roaming");
    EXPECT_EQ(DecideSettingsFolder(Files, Exe).IniPath(), Beside);
    fakes::TFakeFiles noAppData;
    noAppData.AddFile(Exe, "");
    noAppData.MakeFolderUnwritable("C:\\Program Files\\Wyndrel");
    EXPECT_EQ(DecideSettingsFolder(noAppData, Exe).IniPath(), Beside);
}

}  // namespace
}  // namespace wyndrel::settings
