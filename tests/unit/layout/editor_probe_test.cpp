// Recognising, capturing and finding editor windows on the fake desktop.
#include "fakes/fake_desktop.h"
#include "layout/layout_engine.h"

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
    EXPECT_TRUE(Engine.CaptureEditors());
    EXPECT_EQ(Engine.LayoutCount, 0);
}

TEST_F(EditorProbe, CapturesEditorsInZOrderWithRectangleAsWidthAndHeight) {
    WindowId lower = Desktop.AddEditor("C:\\a.txt", {10, 20, 110, 220}, 5);
    WindowId upper = Desktop.AddEditor("C:\\b.txt", {-4, -4, 1028, 764}, 17);
    ASSERT_TRUE(Engine.CaptureEditors());
    ASSERT_EQ(Engine.LayoutCount, 2);
    const TLayout& first = Engine.Layouts[0];
    EXPECT_EQ(first.FileName, "C:\\b.txt");
    EXPECT_EQ(first.SelStart, 17);
    EXPECT_EQ(first.Left, -4);
    EXPECT_EQ(first.Top, -4);
    EXPECT_EQ(first.Width, 1032);
    EXPECT_EQ(first.Height, 768);
    EXPECT_EQ(first.Wnd, upper);
    EXPECT_EQ(Engine.Layouts[1].FileName, "C:\\a.txt");
    EXPECT_EQ(Engine.Layouts[1].Wnd, lower);
}

TEST_F(EditorProbe, PassesOverUntitledEditorsAndOtherClasses) {
    Desktop.AddEditor("");
    Desktop.AddEditor("   ");
    Desktop.AddTopLevel("tquillonmainform");
    WindowId lookalike = Desktop.AddTopLevel("TQuillonMainForm2");
    Desktop.AddChild(lookalike, "TEdit", "C:\\x.txt");
    Desktop.AddEditor("C:\\real.txt");
    ASSERT_TRUE(Engine.CaptureEditors());
    ASSERT_EQ(Engine.LayoutCount, 1);
    EXPECT_EQ(Engine.Layouts[0].FileName, "C:\\real.txt");
}

TEST_F(EditorProbe, StripsTheShownPathAndCutsItTo254Characters) {
    Desktop.AddEditor(" \tC:\\padded.txt  ");
    std::string longPath = "C:\\" + std::string(300, 'p');
    Desktop.AddEditor(longPath);
    ASSERT_TRUE(Engine.CaptureEditors());
    ASSERT_EQ(Engine.LayoutCount, 2);
    EXPECT_EQ(Engine.Layouts[0].FileName, longPath.substr(0, 254));
    EXPECT_EQ(Engine.Layouts[1].FileName, "C:\\padded.txt");
}

TEST_F(EditorProbe, ReportsAFailedEnumerationAndAnUnreadableClassName) {
    WindowId editor = Desktop.AddEditor("C:\\a.txt");
    Desktop.FailClassNameOf(editor);
    EXPECT_EQ(Engine.GetWndClassName(editor), "Can't get WindowClassName.");
    EXPECT_TRUE(Engine.CaptureEditors());
    EXPECT_EQ(Engine.LayoutCount, 0);
    Desktop.FailEnumeration(true);
    EXPECT_FALSE(Engine.CaptureEditors());
}

TEST_F(EditorProbe, GoesOnWhenAnEditorClosesDuringTheCapture) {
    WindowId bottom = Desktop.AddEditor("C:\\bottom.txt");
    Desktop.AddEditor("C:\\middle.txt");
    Desktop.AddEditor("C:\\top.txt");
    Desktop.OnEachEnumeratedWindow([&](WindowId) { Desktop.Destroy(bottom); });
    ASSERT_TRUE(Engine.CaptureEditors());
    ASSERT_EQ(Engine.LayoutCount, 2);
    EXPECT_EQ(Engine.Layouts[1].FileName, "C:\\middle.txt");
}

TEST_F(EditorProbe, FindsTheTopmostEditorShowingAPathInAnyLetterCase) {
    Desktop.AddEditor("C:\\DATA\\ＡＢ.TXT");
    WindowId upper = Desktop.AddEditor("C:\\DATA\\ＡＢ.TXT");
    Engine.FindEditorByFile("c:\\data\\ａｂ.txt");
    EXPECT_EQ(Engine.TargetFileName, "c:\\data\\ａｂ.txt");
    EXPECT_EQ(Engine.FoundWnd, upper);
    EXPECT_EQ(Engine.FoundEditor, Desktop.EditorChild(upper));
}

TEST_F(EditorProbe, FindsTheTopmostUntitledEditorForAnEmptyPath) {
    Desktop.AddEditor("");
    WindowId untitled = Desktop.AddEditor("");
    Desktop.AddEditor("C:\\a.txt");
    Engine.FindEditorByFile("");
    EXPECT_EQ(Engine.FoundWnd, untitled);
}

TEST_F(EditorProbe, ComparesTheShownPathUnstrippedWhenSearching) {
    Desktop.AddEditor("C:\\a.txt ");
    Engine.FindEditorByFile("C:\\a.txt");
    EXPECT_FALSE(Engine.FoundWnd);
    Engine.FindEditorByFile("C:\\a.txt ");
    EXPECT_TRUE(Engine.FoundWnd);
}

TEST_F(EditorProbe, LeavesFoundWndAsTheCallerSetItWhenNothingMatches) {
    Desktop.AddEditor("C:\\a.txt");
    Engine.FoundWnd = WindowId{};
    Engine.FindEditorByFile("C:\\b.txt");
    EXPECT_FALSE(Engine.FoundWnd);
}

}  // namespace
}  // namespace wyndrel::layout
