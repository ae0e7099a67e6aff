// The long form of paths: stored names and letter case of every existing component.
#include "fakes/fake_files.h"
#include "settings/long_path.h"

#include <gtest/gtest.h>

namespace wyndrel::settings {
namespace {

class LongPathForm : public ::testing::Test {
protected:
    LongPathForm() {
        Files.AddFile("C:\\Program Files\\Quillon\\ReadMe.txt", "");
        Files.AddFile("\\\\Server\\Share\\Docs\\Plan.txt", "");
    }
    std::string Long(const std::string& path) { return GetLongPathForm(Files, path); }

    fakes::TFakeFiles Files;
};

TEST_F(LongPathForm, GivesEveryExistingComponentInItsStoredLetterCase) {
    EXPECT_EQ(Long("c:\\PROGRAM FILES\\quillon\\readme.TXT"),
              "c:\\Program Files\\Quillon\\ReadMe.txt");
}

TEST_F(LongPathForm, KeepsAMissingLastComponentAsGiven) {
    EXPECT_EQ(Long("C:\\program files\\QUILLON\\new.TXT"), "C:\\Program Files\\Quillon\\new.TXT");
}

TEST_F(LongPathForm, KeepsEverythingBelowAMissingFolderAsGiven) {
    EXPECT_EQ(Long("C:\\program files\\gone\\readme.txt"), "C:\\Program Files\\gone\\readme.txt");
}

TEST_F(LongPathForm, ReturnsADriveRootAndAFolderWithATrailingSeparatorUnchanged) {
    EXPECT_EQ(Long("C:\\"), "C:\\");
    EXPECT_EQ(Long("c:\\program files\\"), "c:\\program files\\");
}

TEST_F(LongPathForm, KeepsServerAndShareOfANetworkPathAndResolvesTheRest) {
    EXPECT_EQ(Long("\\\\SERVER\\share\\docs\\PLAN.TXT"), "\\\\SERVER\\share\\Docs\\Plan.txt");
    EXPECT_EQ(Long("\\\\server\\share"), "\\\\server\\share");
    EXPECT_EQ(Long("\\\\server"), "\\\\server");
}

TEST_F(LongPathForm, LooksUpABareNameOnItsOwn) {
    Files.AddFile("Notes.txt", "");
    EXPECT_EQ(Long("NOTES.TXT"), "Notes.txt");
}

}  // namespace
}  // namespace wyndrel::settings
