// Restoring a layout file: the header cases, failures that start nothing, and entries
// restored in file order.
#include "layout_world.h"
#include "platform/silent_abort.h"

namespace wyndrel::layout {
namespace {

class LoadingALayout : public LayoutWorld {
protected:
    const std::string Path = "C:\\Layouts\\day.qdl";
    void Store(const std::string& text) { Files.AddFile(Path, text); }
};

TEST_F(LoadingALayout, RestoresEveryEntryInFileOrderStartingOnlyWhatIsNotShown) {
    WindowId shown = Desktop.AddEditor("C:\\Docs\\A.TXT", {0, 0, 50, 50}, 0);
    Desktop.Window(shown).Zoomed = true;
    Store(
        "[QuillonLayoutFile]\r\n; kept for "
        "Monday\r\nFile=C:\\docs\\a.txt\r\nCurs=12\r\nRect=10,20,300,400\r\n\r\n"
        "File=C:\\docs\\b.txt\r\nCurs=7\r\nRect=40,50,500,600\r\n");
    Load(Path);
    ASSERT_EQ(Processes.Starts().size(), 1u);
    EXPECT_EQ(Processes.Starts()[0].CommandLine,
              "C:\\Program Files\\Quillon\\Quillon.exe \"C:\\docs\\b.txt\"");
    EXPECT_EQ(Desktop.Window(shown).Bounds, (Rect{10, 20, 310, 420}));
    EXPECT_FALSE(Desktop.Window(shown).Zoomed);
    EXPECT_EQ(Selection(shown), std::make_pair(12, 12));
    WindowId started = EditorShowing("C:\\docs\\b.txt");
    ASSERT_TRUE(started);
    EXPECT_EQ(Desktop.Window(started).Bounds, (Rect{40, 50, 540, 650}));
    EXPECT_EQ(Selection(started), std::make_pair(7, 7));
    // The last entry ends in front.
    EXPECT_EQ(Desktop.Foreground(), started);
    EXPECT_GE(Ui.PumpCount(), 2);  // after the comment and the blank line
    EXPECT_TRUE(Ui.Messages().empty());
    EXPECT_EQ(Ui.Titles(),
              (std::vector<std::string>{"読込中", "読込中-バージョンチェック中", "読込中",
                                        "Wyndrel", "Quillon起動中", "Wyndrel"}));
}

TEST_F(LoadingALayout, DoesNothingForAFileOfOnlyTheHeader) {
    Store("[QuillonLayoutFile]\r\n");
    Load(Path);
    EXPECT_TRUE(Processes.Starts().empty());
    EXPECT_TRUE(Ui.Messages().empty());
    EXPECT_EQ(Ui.ApplicationTitle(), "Wyndrel");
}

TEST_F(LoadingALayout, NoticesAnOldGenerationFileAndRestoresItsEntriesWithCaretZero) {
    WindowId shown = Desktop.AddEditor("C:\\a.txt", {0, 0, 50, 50}, 30);
    Store("QuillonDeskTopFile\r\nFile=C:\\a.txt\r\nRect=1,2,3,4\r\n");
    Load(Path);
    ASSERT_EQ(Ui.Messages().size(), 1u);
    const TMessageBox box = Ui.Messages()[0].Box;
    EXPECT_EQ(box.Text,
              "このファイルは古いQuillonデスクトップです。\rこのバージョンではカーソル位置は復元さ"
              "れません。");
    EXPECT_EQ(box.Caption, "情報");
    EXPECT_EQ(box.Icon, TBoxIcon::Information);
    EXPECT_TRUE(box.SystemModal);
    EXPECT_EQ(Selection(shown), std::make_pair(0, 0));
    EXPECT_EQ(Desktop.Window(shown).Bounds, (Rect{1, 2, 4, 6}));
}

TEST_F(LoadingALayout, StopsAtTheQuestionAboutAPlainTextFileWhenAnsweredYes) {
    Store("Dear diary,\r\nFile=C:\\a.txt\r\n");
    Ui.Answer(TBoxAnswer::Yes);
    Load(Path);
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(
        Ui.Messages()[0].Box.Text,
        "このファイルはQuillonデスクトップファイルではなさそうです。\r\n読み込みを中断してもよろし"
        "いですか？\r\n"
        "警告：非レイアウトファイルを読ませるとエラーで強制的に\r\n終了される場合があります。");
    EXPECT_EQ(Ui.Messages()[0].Box.Caption, std::nullopt);
    EXPECT_EQ(Ui.Messages()[0].Box.Buttons, TBoxButtons::YesNo);
    EXPECT_TRUE(Processes.Starts().empty());
    EXPECT_EQ(Ui.ApplicationTitle(), "Wyndrel");
}

TEST_F(LoadingALayout, FailsAtThePlainTextFilesFirstOtherLineWhenAnsweredNo) {
    Store("Dear diary,\r\nFile=C:\\a.txt\r\ntoday I\r\n");
    Ui.Answer(TBoxAnswer::No);
    EXPECT_THROW(Load(Path), ESilentAbort);
    ASSERT_EQ(Ui.Messages().size(), 2u);
    EXPECT_EQ(Ui.Messages()[1].DialogType, TDialogType::Error);
    EXPECT_EQ(
        Ui.Messages()[1].Text,
        "ユーザーエラーが発生しました。\r\nコメント以外で認識不能な行です。\r\nエラー行数：3");
    EXPECT_TRUE(Processes.Starts().empty());
    EXPECT_EQ(Ui.ApplicationTitle(), "Wyndrel");
}

TEST_F(LoadingALayout, StartsNothingWhenTheSecondEntryHasABadRectangle) {
    WindowId shown = Desktop.AddEditor("C:\\a.txt", {0, 0, 50, 50}, 0);
    Store(
        "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nRect=1,2,3,4\r\nFile=C:\\b.txt\r\nRect=a,b,c,"
        "d\r\n");
    EXPECT_THROW(Load(Path), ESilentAbort);
    EXPECT_TRUE(Processes.Starts().empty());
    EXPECT_EQ(Desktop.Window(shown).Bounds, (Rect{0, 0, 50, 50}));
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].Text.rfind("ユーザーエラーが発生しました。\r\n", 0), 0u);
    EXPECT_NE(Ui.Messages()[0].Text.find("LoadLayout-WindowRect取得ポイント"), std::string::npos);
    EXPECT_NE(Ui.Messages()[0].Text.find(" 行数: 5 "), std::string::npos);
}

TEST_F(LoadingALayout, TellsWhyAMissingFileCannotBeReadAndStops) {
    Files.AddFolder("C:\\Layouts");
    EXPECT_THROW(Load("C:\\Layouts\\none.qdl"), ESilentAbort);
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].Text,
              "ユーザーエラーが発生しました。\r\nファイル読込中にEInOutErrorクラスのエラーが発生し"
              "ました\r\nメッセージ：The system cannot find the file specified.\r\nIOResult: 2");
    EXPECT_EQ(Ui.ApplicationTitle(), "Wyndrel");
}

TEST_F(LoadingALayout, EndsTwoEntriesForOneFileInOneEditorAtTheSecondPlace) {
    ModelEditor({.WindowDelayMs = 300});
    Store(
        "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nCurs=1\r\nRect=1,1,100,100\r\n"
        "File=C:\\A.TXT\r\nCurs=2\r\nRect=200,200,300,300\r\n");
    Load(Path);
    EXPECT_EQ(Processes.Starts().size(), 1u);
    WindowId editor = EditorShowing("C:\\a.txt");
    EXPECT_EQ(Desktop.Window(editor).Bounds, (Rect{200, 200, 500, 500}));
    EXPECT_EQ(Selection(editor), std::make_pair(2, 2));
    EXPECT_TRUE(Ui.Messages().empty());
}

TEST_F(LoadingALayout, StartsEveryMissingEditorFirstThenWaitsForAndPlacesEachEntryInFileOrder) {
    WindowId shown = Desktop.AddEditor("C:\\b.txt", {0, 0, 50, 50}, 0);
    ModelEditor({.WindowDelayMs = 400});
    Store(
        "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nCurs=1\r\nRect=10,10,300,200\r\n"
        "File=C:\\b.txt\r\nCurs=2\r\nRect=20,20,300,200\r\nFile=C:\\c.txt\r\nCurs=3\r\nRect=30,30,"
        "300,200\r\n");
    Load(Path);
    EXPECT_EQ(Processes.Calls(),
              (std::vector<std::string>{"start 1", "priority 1 high", "start 2", "priority 2 high",
                                        "idle 1", "priority 1 normal", "close 1", "idle 2",
                                        "priority 2 normal", "close 2"}));
    ASSERT_EQ(Processes.Starts().size(), 2u);
    EXPECT_EQ(Processes.Starts()[0].CommandLine,
              "C:\\Program Files\\Quillon\\Quillon.exe \"C:\\a.txt\"");
    EXPECT_EQ(Processes.Starts()[1].Placement->Left, 30);
    const WindowId a = EditorShowing("C:\\a.txt"), c = EditorShowing("C:\\c.txt");
    EXPECT_EQ(Desktop.Window(a).Bounds, (Rect{10, 10, 310, 210}));
    EXPECT_EQ(Desktop.Window(shown).Bounds, (Rect{20, 20, 320, 220}));
    EXPECT_EQ(Selection(c), std::make_pair(3, 3));
    // Each entry brought forward in turn: the last one in front, the first at the bottom.
    EXPECT_EQ(Desktop.ZOrder(), (std::vector<WindowId>{c, shown, a}));
    EXPECT_EQ(Desktop.Foreground(), c);
    EXPECT_EQ(Desktop.GeometryCallsOutsidePasses(), 0);
}

TEST_F(LoadingALayout, OnAScaledDisplayWorksInTheLogicalPixelsLayoutFilesHoldBothWays) {
    // At 144 DPI a 2880 x 1620 monitor is 1920 x 1080 to a program that is not DPI aware.
    Desktop.SetDisplayDpi(144);
    Desktop.SetMonitors({{{0, 0, 2880, 1620}, {0, 0, 2880, 1560}}});
    WindowId editor = Desktop.AddEditor("C:\\a.txt", {300, 300, 900, 750}, 0);
    Files.AddFolder("C:\\Layouts");
    SaveLayout(Engine, Files, Ui, Path);
    EXPECT_EQ(Files.Content(Path),
              "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nCurs=0\r\nRect=200,200,400,300\r\n");
    Desktop.Window(editor).Bounds = {0, 0, 30, 30};
    Load(Path);
    EXPECT_EQ(Desktop.Window(editor).Bounds, (Rect{300, 300, 900, 750}));
    // Within the physical pixels but beyond the logical ones: brought onto the monitor.
    Files.AddFile("C:\\Layouts\\far.qdl",
                  "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nRect=2000,0,400,300\r\n");
    Load("C:\\Layouts\\far.qdl");
    EXPECT_EQ(Desktop.Window(editor).Bounds, (Rect{2280, 0, 2880, 450}));
}

TEST_F(LoadingALayout, GoesOnWithTheNextEntryAfterOneThatCannotBeShown) {
    ModelEditor({.NoWindowFor = "C:\\a.txt", .WindowDelayMs = 1500});
    Store(
        "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nRect=1,1,100,100\r\nFile=C:\\b.txt\r\nRect=5,5,"
        "50,50\r\n");
    Load(Path);
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].Text, "起動させたQuillonを確認できませんでした。");
    // The second entry's search has its own second, from the moment its editor was ready,
    // after the first entry's search ran out.
    EXPECT_EQ(Desktop.Window(EditorShowing("C:\\b.txt")).Bounds, (Rect{5, 5, 55, 55}));
    EXPECT_EQ(Processes.OpenHandles(), 0);
}

}  // namespace
}  // namespace wyndrel::layout
