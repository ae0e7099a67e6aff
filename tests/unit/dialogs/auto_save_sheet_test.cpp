// The rules of the sheet "自動保存2": the interval box and its detached arrows, and the save
// method proposed from the editor executable's last write time.
#include "dialogs/auto_save_interval.h"
#include "dialogs/save_method_detection.h"
#include "fakes/fake_files.h"
#include "fakes/fake_user_interface.h"

#include <gtest/gtest.h>

namespace wyndrel::dialogs {
namespace {

TEST(IntervalBox, TakesOnlyDigitsAndCapsThemAtADay) {
    auto seconds = [](std::string_view text) { return IntervalFromText(text).value().Seconds; };
    EXPECT_EQ(seconds("1800"), 1800);
    EXPECT_EQ(seconds("007"), 7);
    EXPECT_EQ(seconds("86400"), 86400);
    EXPECT_FALSE(IntervalFromText("86400")->Capped);
    EXPECT_EQ(seconds("86401"), 86400);
    EXPECT_TRUE(IntervalFromText("99999")->Capped);
    EXPECT_EQ(seconds("99999999999999999999999"), 86400);
    for (std::string_view text : {"", "12a", "-5", "+5", "1,800", " 5", "1.5", "１２"})
        EXPECT_EQ(IntervalFromText(text), std::nullopt) << text;
}

TEST(IntervalBox, ArrowsMoveByTheirStepWithinZeroAndADay) {
    EXPECT_EQ(SteppedInterval(1800, 0, 60), 1860);
    EXPECT_EQ(SteppedInterval(1800, 0, -60), 1740);
    EXPECT_EQ(SteppedInterval(0, 0, -60), 0);
    EXPECT_EQ(SteppedInterval(30, 0, -60), 0);
    EXPECT_EQ(SteppedInterval(86400 - 20, 0, 60), 86400);
    EXPECT_EQ(SteppedInterval(86400, 0, 60), 86400);
    EXPECT_EQ(SteppedInterval(100, 32767, -32768), 0);
}

TEST(SaveMethod, PacksLikeFileDatesAndSwitchesAt20001020134440) {
    const TLocalDateTime first{2000, 10, 20, 13, 44, 40, 0, 5};
    EXPECT_EQ(PackedDateTime(first), 0x29546D94u);
    EXPECT_EQ(PackedDateTime(first), FirstSaveRequestBuild);
    auto at = [](int second) { return TLocalDateTime{2000, 10, 20, 13, 44, second, 0, 5}; };
    EXPECT_FALSE(EditorTakesSaveRequest(at(38)));
    EXPECT_FALSE(EditorTakesSaveRequest(at(39)));
    EXPECT_TRUE(EditorTakesSaveRequest(at(40)));
    EXPECT_TRUE(EditorTakesSaveRequest(at(41)));
    EXPECT_TRUE(EditorTakesSaveRequest({2001, 1, 1, 0, 0, 0, 0, 1}));
    EXPECT_FALSE(EditorTakesSaveRequest({1999, 12, 31, 23, 59, 58, 0, 5}));
    // Beyond what a packed date holds.
    EXPECT_FALSE(EditorTakesSaveRequest({1979, 12, 31, 0, 0, 0, 0, 1}));
    EXPECT_TRUE(EditorTakesSaveRequest({2108, 1, 1, 0, 0, 0, 0, 0}));
}

TEST(SaveMethod, ComesFromTheExecutableOrAnErrorBoxNamingIt) {
    fakes::TFakeFiles files;
    fakes::TFakeUserInterface ui;
    const std::string editor = "C:\\Quillon\\Quillon.exe";
    files.AddFile(editor, "");
    files.SetLastWriteLocalTime(editor, {2000, 10, 20, 13, 44, 38, 0, 5});
    EXPECT_EQ(DetectSaveType(editor, files, ui), false);
    files.SetLastWriteLocalTime(editor, {2000, 10, 20, 13, 44, 40, 0, 5});
    EXPECT_EQ(DetectSaveType(editor, files, ui), true);
    EXPECT_TRUE(ui.Messages().empty());

    files.AddFolder("C:\\Quillon\\Folder.exe");
    EXPECT_EQ(DetectSaveType("C:\\Quillon\\Folder.exe", files, ui), std::nullopt);
    EXPECT_EQ(DetectSaveType("C:\\Gone.exe", files, ui), std::nullopt);
    ASSERT_EQ(ui.Messages().size(), 2u);
    const TMessageBox box = ui.Messages()[1].Box;
    EXPECT_EQ(box.Text, "C:\\Gone.exeファイルは存在しません");
    EXPECT_EQ(box.Icon, TBoxIcon::Error);
    EXPECT_TRUE(box.Foreground && box.OwnedByActiveWindow);
    EXPECT_EQ(box.Caption, std::nullopt);
}

}  // namespace
}  // namespace wyndrel::dialogs
