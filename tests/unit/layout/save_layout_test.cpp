// Saving the open editors' layout: every outcome the user is told of, and the target file.
#include "layout_world.h"

namespace wyndrel::layout {
namespace {

using Kind = fakes::TUiEvent::TKind;

class SavingALayout : public LayoutWorld {
protected:
    const std::string Target = "C:\\Layouts\\day.qdl";
    const std::string Previous =
        "[QuillonLayoutFile]\r\nFile=C:\\old.txt\r\nCurs=1\r\nRect=1,2,3,4\r\n";
};

TEST_F(SavingALayout, WritesEveryEditorShowingAFileTopmostFirstAndShowsEachStage) {
    Desktop.AddEditor("C:\\a.txt", {10, 20, 310, 420}, 5);
    Desktop.Minimise(Desktop.AddEditor("C:\\b.txt", {30, 60, 190, 91}, 0));
    Desktop.AddEditor("C:\\c.txt", {0, 0, 100, 100}, 9);
    Desktop.AddEditor("", {0, 0, 50, 50}, 0);
    Files.AddFolder("C:\\Layouts");
    Save(Target);
    EXPECT_EQ(Files.Content(Target),
              "[QuillonLayoutFile]\r\n"
              "File=C:\\c.txt\r\nCurs=9\r\nRect=0,0,100,100\r\n"
              "File=C:\\b.txt\r\nCurs=0\r\nRect=30,60,160,31\r\n"
              "File=C:\\a.txt\r\nCurs=5\r\nRect=10,20,300,400\r\n");
    EXPECT_TRUE(Ui.Messages().empty());
    EXPECT_EQ(Ui.Titles(), (std::vector<std::string>{"Quillon検索中...", "属性チェック中...",
                                                     "レイアウト書込中...", "Wyndrel"}));
}

TEST_F(SavingALayout, FollowsAMaximisedEditorsReportedRectangleWithItsNormalOneAndNoOtherEditors) {
    Desktop.AddEditor("C:\\plain.txt", {10, 20, 310, 420}, 5);
    WindowId wasMaximised = Desktop.AddEditor("C:\\min.txt", {30, 60, 190, 91}, 0);
    Desktop.Maximise(wasMaximised);
    Desktop.Minimise(wasMaximised);
    Desktop.Maximise(Desktop.AddEditor("C:\\max.txt", {100, 100, 500, 400}, 1));
    Files.AddFolder("C:\\Layouts");
    Save(Target);
    EXPECT_EQ(Files.Content(Target),
              "[QuillonLayoutFile]\r\n"
              "File=C:\\max.txt\r\nCurs=1\r\nRect=-8,-8,1936,1056\r\n#Show=Maximized;Normal=100,"
              "100,400,300\r\n"
              "File=C:\\min.txt\r\nCurs=0\r\nRect=30,60,160,31\r\n"
              "File=C:\\plain.txt\r\nCurs=5\r\nRect=10,20,300,400\r\n");
}

TEST_F(SavingALayout, TellsThatNoEditorRunsAndLeavesTheTargetAlone) {
    Files.AddFile(Target, Previous);
    Save(Target);
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].Kind, Kind::Dialog);
    EXPECT_EQ(Ui.Messages()[0].DialogType, TDialogType::Information);
    EXPECT_EQ(Ui.Messages()[0].Text, "Quillonは見つかりませんでした");
    EXPECT_EQ(Files.Content(Target), Previous);
    EXPECT_EQ(Files.WriteCount(), 0);
    EXPECT_EQ(Ui.ApplicationTitle(), "Wyndrel");
}

TEST_F(SavingALayout, ReportsAFailedEnumerationWithoutTouchingTheTarget) {
    Desktop.AddEditor("C:\\a.txt");
    Desktop.FailEnumeration(true);
    Save(Target);
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].DialogType, TDialogType::Error);
    EXPECT_EQ(Ui.Messages()[0].Text, "EnumWindowsに失敗しました。");
    EXPECT_EQ(Files.WriteCount(), 0);
    EXPECT_EQ(Ui.ApplicationTitle(), "Wyndrel");
}

TEST_F(SavingALayout, AsksBeforeOverwritingAReadOnlyFileAndKeepsItOnNo) {
    Desktop.AddEditor("C:\\a.txt");
    Files.AddFile(Target, Previous, true);
    Ui.Answer(TBoxAnswer::No);
    Save(Target);
    ASSERT_EQ(Ui.Messages().size(), 1u);
    const TMessageBox box = Ui.Messages()[0].Box;
    EXPECT_EQ(box.Text,
              "レイアウト保存先として指定されたファイル\r\n'C:\\Layouts\\day.qdl'"
              "\r\nは、読み取り専用属性が付いて"
              "います。この属性をはずしますか？\r\n読み取り専用属性は保存後も外しっぱなしになります"
              "。\r\n「いいえ」"
              "を押すと保存をキャンセルします。");
    EXPECT_EQ(box.Caption, "質問");
    EXPECT_EQ(box.Icon, TBoxIcon::Question);
    EXPECT_EQ(box.Buttons, TBoxButtons::YesNo);
    EXPECT_TRUE(box.SystemModal);
    EXPECT_TRUE(box.Foreground);
    EXPECT_EQ(Files.Content(Target), Previous);
    EXPECT_TRUE(Files.IsReadOnly(Target));
    EXPECT_EQ(Ui.ApplicationTitle(), "Wyndrel");
}

TEST_F(SavingALayout, ClearsTheReadOnlyAttributeForGoodOnYes) {
    Desktop.AddEditor("C:\\a.txt", {0, 0, 10, 10}, 3);
    Files.AddFile(Target, Previous, true);
    Ui.Answer(TBoxAnswer::Yes);
    Save(Target);
    EXPECT_EQ(Files.Content(Target),
              "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nCurs=3\r\nRect=0,0,10,10\r\n");
    EXPECT_FALSE(Files.IsReadOnly(Target));
}

TEST_F(SavingALayout, ShowsTheWriteErrorForAMissingFolderAndCreatesNothing) {
    Desktop.AddEditor("C:\\a.txt");
    Save("C:\\Missing\\day.qdl");
    ASSERT_EQ(Ui.Messages().size(), 1u);
    const TMessageBox box = Ui.Messages()[0].Box;
    EXPECT_EQ(Ui.Messages()[0].Kind, Kind::Box);
    EXPECT_EQ(box.Text,
              "ファイル書込中に EInOutError クラスのエラーが発生しました。\r\nメッセージ：The "
              "system cannot find "
              "the path specified.");
    EXPECT_EQ(box.Caption, std::nullopt);
    EXPECT_EQ(box.Icon, TBoxIcon::Error);
    EXPECT_TRUE(box.Foreground);
    EXPECT_FALSE(Files.FileExists("C:\\Missing\\day.qdl"));
    // The title is back before the box appears.
    EXPECT_EQ(Ui.Events()[Ui.Events().size() - 2].Text, "Wyndrel");
}

TEST_F(SavingALayout, KeepsThePreviousFileWholeWhenTheDiskIsFull) {
    Desktop.AddEditor("C:\\a.txt");
    Files.AddFile(Target, Previous);
    Files.FailWritesWithDiskFull(true);
    Save(Target);
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_NE(Ui.Messages()[0].Text.find("There is not enough space on the disk."),
              std::string::npos);
    EXPECT_EQ(Files.Content(Target), Previous);
}

TEST_F(SavingALayout, StoresAPathTheCodePageCannotHoldAsItsShortFormOrNotAtAll) {
    Files.DeclareUnfitCharacters({"é", "ü"});
    Files.AddFile("C:\\acc\\café.txt", "");
    Files.AddShortPath("C:\\acc\\café.txt", "C:\\acc\\CAF_~1.TXT");
    Desktop.AddEditor("C:\\acc\\café.txt");
    Desktop.AddEditor("C:\\資料\\a.txt");
    Files.AddFile(Target, Previous);
    Save(Target);
    EXPECT_TRUE(Ui.Messages().empty());
    EXPECT_EQ(Files.Content(Target),
              "[QuillonLayoutFile]\r\nFile=C:\\資料\\a.txt\r\nCurs=0\r\nRect=0,0,640,480\r\n"
              "File=C:\\acc\\CAF_~1.TXT\r\nCurs=0\r\nRect=0,0,640,480\r\n");

    // A volume without short names: the save stops, names the path, and the file stays.
    Files.AddFile(Target, Previous);
    Desktop.AddEditor("D:\\über\\b.txt");
    Save(Target);
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].Box.Text,
              "ファイル書込中に EConvertError クラスのエラーが発生しました。\r\nメッセージ：パス "
              "'D:\\über\\b.txt' "
              "には、このシステムの文字コードで保存できない文字が含まれ、短い名前(8.3形式)"
              "もありません。");
    EXPECT_EQ(Files.Content(Target), Previous);
}

TEST_F(SavingALayout, KeepsThePreviousFileWholeWhenKilledHalfWay) {
    Desktop.AddEditor("C:\\a.txt");
    Files.AddFile(Target, Previous);
    Files.CrashDuringNextWrite();
    EXPECT_THROW(Save(Target), fakes::ESimulatedCrash);
    EXPECT_EQ(Files.Content(Target), Previous);
}

}  // namespace
}  // namespace wyndrel::layout
