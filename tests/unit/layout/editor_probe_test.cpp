// Recognising, capturing and finding editor windows on the fake desktop.
#include "fakes/fake_desktop.h"
#include "layout/layout_engine.h"
#include "text/case_mapping.h"

#include <gtest/gtest.h>

namespace wyndrel::layout {
namespace {

class EditorProbe : public ::testing::Test {
protected:
    fakes::TFakeDesktop Desktop;
    TLayoutEngine Engine{Desktop};
};

TEST_F(EditorProbe, CapturesNothingAndSucceedsWithNoEditorRunning) {
    Desktop.AddTopLevel("Notepad");
    EXPECT_EQ(Engine.CaptureEditors(), std::vector<TLayout>{});
}

TEST_F(EditorProbe, CapturesEditorsInZOrderWithRectangleAsWidthAndHeight) {
    WindowId lower = Desktop.AddEditor("C:\\a.txt", {10, 20, 110, 220}, 5);
    WindowId upper = Desktop.AddEditor("C:\\b.txt", {-4, -4, 1028, 764}, 17);
    auto captured = Engine.CaptureEditors();
    ASSERT_TRUE(captured);
    ASSERT_EQ(captured->size(), 2u);
    const TLayout& first = (*captured)[0];
    EXPECT_EQ(first.FileName, "C:\\b.txt");
    EXPECT_EQ(first.SelStart, 17);
    EXPECT_EQ(first.Left, -4);
    EXPECT_EQ(first.Top, -4);
    EXPECT_EQ(first.Width, 1032);
    EXPECT_EQ(first.Height, 768);
    EXPECT_EQ(first.Wnd, upper);
    EXPECT_EQ((*captured)[1].FileName, "C:\\a.txt");
    EXPECT_EQ((*captured)[1].Wnd, lower);
}

TEST_F(EditorProbe, PassesOverUntitledEditorsAndOtherClasses) {
    Desktop.AddEditor("");
    Desktop.AddEditor("   ");
    Desktop.AddTopLevel("tquillonmainform");
    WindowId lookalike = Desktop.AddTopLevel("TQuillonMainForm2");
    Desktop.AddChild(lookalike, "TEdit", "C:\\x.txt");
    Desktop.AddEditor("C:\\real.txt");
    auto captured = Engine.CaptureEditors();
    ASSERT_TRUE(captured);
    ASSERT_EQ(captured->size(), 1u);
    EXPECT_EQ((*captured)[0].FileName, "C:\\real.txt");
}

TEST_F(EditorProbe, StripsTheShownPathAndReadsALongOneWhole) {
    Desktop.AddEditor(" \tC:\\padded.txt  ");
    const std::string longPath =
        "C:\\" + std::string(150, 'p') + "\\資料" + std::string(150, 'q') + ".txt";
    WindowId longOne = Desktop.AddEditor(longPath);
    auto captured = Engine.CaptureEditors();
    ASSERT_TRUE(captured);
    ASSERT_EQ(captured->size(), 2u);
    EXPECT_EQ((*captured)[0].FileName, longPath);
    EXPECT_EQ((*captured)[1].FileName, "C:\\padded.txt");
    ASSERT_TRUE(Engine.FindEditorByFile(text::LocaleUpper(longPath)));
    EXPECT_EQ(Engine.FindEditorByFile(text::LocaleUpper(longPath))->Wnd, longOne);
    EXPECT_FALSE(Engine.FindEditorByFile(longPath.substr(0, 254)));
}

TEST_F(EditorProbe, ReadsAPathInOneMessageAndAsksTheLengthOnlyOfOneThatFillsTheBuffer) {
    WindowId pathChild = Desktop.FindChild(Desktop.AddEditor("C:\\a.txt"), "TEdit");
    bool lengthAsked = false;
    auto readWatched = [&] {
        lengthAsked = false;
        Desktop.OnTextLengthAsked([&](WindowId) { lengthAsked = true; });
        return WholeWindowText(Desktop, pathChild);
    };
    EXPECT_EQ(readWatched(), "C:\\a.txt");
    EXPECT_FALSE(lengthAsked);
    // Characters beyond the first plane take two units of the buffer each.
    std::string beyondPlane = "C:\\";
    for (int i = 0; i < 300; ++i) beyondPlane += "𠀋";
    for (const std::string& text : {"C:\\" + std::string(2000, 'l') + ".txt", beyondPlane}) {
        Desktop.Window(pathChild).Text = text;
        EXPECT_EQ(readWatched(), text);
        EXPECT_TRUE(lengthAsked);
    }
}

TEST_F(EditorProbe, MakesEveryGeometryCallOfACaptureInOnePass) {
    Desktop.AddEditor("C:\\a.txt");
    WindowId minimised = Desktop.AddEditor("C:\\b.txt");
    Desktop.Minimise(minimised);
    WindowId maximised = Desktop.AddEditor("C:\\c.txt");
    Desktop.Maximise(maximised);
    const int passesBefore = Desktop.GeometryPasses();
    const int outsideBefore = Desktop.GeometryCallsOutsidePasses();
    ASSERT_EQ(Engine.CaptureEditors()->size(), 3u);
    EXPECT_EQ(Desktop.GeometryPasses() - passesBefore, 1);
    EXPECT_EQ(Desktop.GeometryCallsOutsidePasses(), outsideBefore);
}

TEST_F(EditorProbe, ReadsATextThatGrowsBetweenItsLengthAndItsReadingWhole) {
    WindowId pathChild =
        Desktop.FindChild(Desktop.AddEditor("C:\\" + std::string(600, 'a') + ".txt"), "TEdit");
    const std::string grown = "C:\\" + std::string(1400, 'g') + ".txt";
    Desktop.OnTextLengthAsked([&](WindowId window) { Desktop.Window(window).Text = grown; });
    EXPECT_EQ(WholeWindowText(Desktop, pathChild), grown);
}

TEST_F(EditorProbe, ReportsAFailedEnumerationAndAnUnreadableClassName) {
    WindowId editor = Desktop.AddEditor("C:\\a.txt");
    Desktop.FailClassNameOf(editor);
    EXPECT_EQ(Engine.GetWndClassName(editor), "Can't get WindowClassName.");
    EXPECT_EQ(Engine.CaptureEditors(), std::vector<TLayout>{});
    Desktop.FailEnumeration(true);
    EXPECT_EQ(Engine.CaptureEditors(), std::nullopt);
}

TEST_F(EditorProbe, GoesOnWhenAnEditorClosesDuringTheCapture) {
    WindowId bottom = Desktop.AddEditor("C:\\bottom.txt");
    Desktop.AddEditor("C:\\middle.txt");
    Desktop.AddEditor("C:\\top.txt");
    Desktop.OnEachEnumeratedWindow([&](WindowId) { Desktop.Destroy(bottom); });
    auto captured = Engine.CaptureEditors();
    ASSERT_TRUE(captured);
    ASSERT_EQ(captured->size(), 2u);
    EXPECT_EQ((*captured)[1].FileName, "C:\\middle.txt");
}

TEST_F(EditorProbe, FindsTheTopmostEditorShowingAPathInAnyLetterCase) {
    Desktop.AddEditor("C:\\DATA\\ＡＢ.TXT");
    WindowId upper = Desktop.AddEditor("C:\\DATA\\ＡＢ.TXT");
    EXPECT_EQ(Engine.FindEditorByFile("c:\\data\\ａｂ.txt"),
              (TFoundEditor{upper, Desktop.EditorChild(upper)}));
}

TEST_F(EditorProbe, FindsTheTopmostUntitledEditorForAnEmptyPath) {
    Desktop.AddEditor("");
    WindowId untitled = Desktop.AddEditor("");
    Desktop.AddEditor("C:\\a.txt");
    EXPECT_EQ(Engine.FindEditorByFile("")->Wnd, untitled);
}

TEST_F(EditorProbe, ComparesTheShownPathUnstrippedWhenSearching) {
    Desktop.AddEditor("C:\\a.txt ");
    EXPECT_EQ(Engine.FindEditorByFile("C:\\a.txt"), std::nullopt);
    EXPECT_TRUE(Engine.FindEditorByFile("C:\\a.txt "));
}

}  // namespace
}  // namespace wyndrel::layout
