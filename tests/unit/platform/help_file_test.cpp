// Which help the help commands open: the WinHelp file beside the program, else the manual
// beside it, else nothing (and no help entry).
#include "platform/help_file.h"

#include "fakes/fake_files.h"
#include "fakes/fake_open_forms.h"

#include <gtest/gtest.h>

namespace wyndrel {
namespace {

TEST(HelpFiles, OpenTheHelpFileWhereOneExistsElseTheManualAndNothingWithoutEither) {
    const THelpFiles help = THelpFiles::Beside("C:\\Program Files\\Wyndrel\\wyndrel.exe");
    EXPECT_EQ(help.WinHelp, "C:\\Program Files\\Wyndrel\\wyndrel.hlp");
    EXPECT_EQ(help.Manual, "C:\\Program Files\\Wyndrel\\wyndrel.html");
    fakes::TFakeFiles files;
    fakes::TFakeHelpViewer viewer;

    // Neither: no entry, and a command that still comes shows nothing.
    EXPECT_EQ(HelpFileToShow(help, files), std::nullopt);
    ShowHelpContents(help, files, viewer);
    ShowHelpTopic(help, files, viewer, 21);
    EXPECT_TRUE(viewer.Shown.empty());
    EXPECT_TRUE(viewer.Topics.empty());

    // The manual alone: opened whole, for a topic too.
    files.AddFile(help.Manual, "<html>");
    EXPECT_EQ(HelpFileToShow(help, files), help.Manual);
    ShowHelpContents(help, files, viewer);
    ShowHelpTopic(help, files, viewer, 23);
    EXPECT_EQ(viewer.Shown, (std::vector<std::string>{help.Manual, help.Manual}));
    EXPECT_TRUE(viewer.Topics.empty());

    // Both: the help file wins, with its topics.
    files.AddFile(help.WinHelp, "");
    viewer.Shown.clear();
    EXPECT_EQ(HelpFileToShow(help, files), help.WinHelp);
    ShowHelpContents(help, files, viewer);
    ShowHelpTopic(help, files, viewer, 24);
    EXPECT_EQ(viewer.Shown, std::vector<std::string>{help.WinHelp});
    EXPECT_EQ(viewer.Topics, (std::vector<std::pair<std::string, int>>{{help.WinHelp, 24}}));

    // The help file alone.
    ASSERT_TRUE(files.RemoveFile(help.Manual));
    EXPECT_EQ(HelpFileToShow(help, files), help.WinHelp);
    // A program renamed keeps its own help file's name, and the manual's.
    const THelpFiles renamed = THelpFiles::Beside("D:\\tools\\layout.exe");
    EXPECT_EQ(renamed.WinHelp, "D:\\tools\\layout.hlp");
    EXPECT_EQ(renamed.Manual, "D:\\tools\\wyndrel.html");
}

}  // namespace
}  // namespace wyndrel
