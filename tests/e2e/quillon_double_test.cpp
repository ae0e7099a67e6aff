// The editor double answers as the editor does: classes, children, command lines,
// placement, and both ways of asking it to save.
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

constexpr UINT WM_SAVEREQUEST = WM_APP + 400;

std::string InCodePage932(const std::wstring& text) {
    int length = ::WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

class QuillonDouble : public ::testing::Test {
protected:
    TTempFolder Folder;
    TProcessGuard Processes;

    HWND OpenEditor(const std::wstring& path, const TStartOptions& options = {}) {
        EXPECT_NE(Processes.StartEditor(Quoted(path), options), nullptr);
        HWND editor = WaitForEditorShowing(path);
        EXPECT_NE(editor, nullptr) << "no editor window showed the file";
        return editor;
    }
};

TEST_F(QuillonDouble, ShowsAFileInTheEditorsWindowClassesWithItsPathAndText) {
    std::wstring path = Folder.File(L"議事録.txt");
    WriteBytes(path, InCodePage932(L"一行目\r\n二行目"));
    HWND editor = OpenEditor(path);
    ASSERT_NE(editor, nullptr);

    wchar_t className[64] = {};
    ::GetClassNameW(editor, className, 64);
    EXPECT_STREQ(className, L"TQuillonMainForm");
    EXPECT_EQ(EditorPath(editor), path);
    EXPECT_EQ(WindowText(EditorTextControl(editor)), L"一行目\r\n二行目");
    EXPECT_EQ(::SendMessageW(EditorTextControl(editor), EM_GETMODIFY, 0, 0), 0);
}

TEST_F(QuillonDouble, OpensAMissingFileEmptyUnderItsPath) {
    std::wstring path = Folder.File(L"new.txt");
    HWND editor = OpenEditor(path);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(WindowText(EditorTextControl(editor)), L"");
    EXPECT_EQ(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(QuillonDouble, OpensUntitledDocumentsForATypeWordAndForNoArgument) {
    size_t before = TopLevelWindowsOfClass(L"TQuillonMainForm").size();
    ASSERT_NE(Processes.StartEditor(L"/html"), nullptr);
    ASSERT_NE(Processes.StartEditor(L""), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return TopLevelWindowsOfClass(L"TQuillonMainForm").size() == before + 2; }, 10000));
    int untitled = 0;
    for (HWND editor : TopLevelWindowsOfClass(L"TQuillonMainForm"))
        if (EditorPath(editor).empty() && ::FindWindowExW(editor, nullptr, L"TEdit", nullptr)) ++untitled;
    EXPECT_GE(untitled, 2);
}

TEST_F(QuillonDouble, TakesItsPlaceFromTheStartUpInformation) {
    TStartOptions placed;
    placed.HasPlacement = true;
    placed.Left = 100;
    placed.Top = 120;
    placed.Width = 500;
    placed.Height = 300;
    HWND editor = OpenEditor(Folder.File(L"placed.txt"), placed);
    ASSERT_NE(editor, nullptr);
    RECT bounds = WindowRectangle(editor);
    EXPECT_EQ(bounds.left, 100);
    EXPECT_EQ(bounds.top, 120);
    EXPECT_EQ(bounds.right - bounds.left, 500);
    EXPECT_EQ(bounds.bottom - bounds.top, 300);
}

TEST_F(QuillonDouble, PlacesAndReportsTheCaretAsAnEditControl) {
    std::wstring path = Folder.File(L"caret.txt");
    WriteBytes(path, "0123456789");
    HWND editor = OpenEditor(path);
    ASSERT_NE(editor, nullptr);
    ::SendMessageW(EditorTextControl(editor), EM_SETSEL, 4, 4);
    EXPECT_EQ(EditorCaret(editor), 4u);
    ::SendMessageW(EditorTextControl(editor), EM_SETSEL, 500, 500);
    EXPECT_EQ(EditorCaret(editor), 10u);
}

class QuillonDoubleSaving : public QuillonDouble {
protected:
    std::wstring LogPath = Folder.File(L"saves.log");
    std::wstring Path = Folder.File(L"メモ.txt");

    HWND OpenModified() {
        TStartOptions options;
        options.Environment = {{L"QUILLON_DOUBLE_SAVE_LOG", LogPath}};
        HWND editor = OpenEditor(Path, options);
        if (!editor) return nullptr;
        ::SendMessageW(EditorTextControl(editor), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"保存する内容"));
        ::SendMessageW(EditorTextControl(editor), EM_SETMODIFY, TRUE, 0);
        return editor;
    }
    std::string LogLine(const char* way) {
        int length = ::WideCharToMultiByte(CP_UTF8, 0, Path.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<size_t>(length - 1), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, Path.c_str(), -1, utf8.data(), length, nullptr, nullptr);
        return std::string(way) + "\t" + utf8 + "\n";
    }
};

TEST_F(QuillonDoubleSaving, SavesOnTheSaveRequestMessageAndClearsTheModifiedFlag) {
    HWND editor = OpenModified();
    ASSERT_NE(editor, nullptr);
    ::SendMessageW(editor, WM_SAVEREQUEST, 0, 0);
    EXPECT_EQ(ReadBytes(Path), InCodePage932(L"保存する内容"));
    EXPECT_EQ(::SendMessageW(EditorTextControl(editor), EM_GETMODIFY, 0, 0), 0);
    EXPECT_EQ(ReadBytes(LogPath), LogLine("message"));
}

TEST_F(QuillonDoubleSaving, SavesOnCtrlSTypedIntoItsWindow) {
    HWND editor = OpenModified();
    ASSERT_NE(editor, nullptr);
    ::SetForegroundWindow(editor);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == editor; }, 5000));
    ::keybd_event(VK_CONTROL, static_cast<BYTE>(::MapVirtualKeyW(VK_CONTROL, 0)), KEYEVENTF_EXTENDEDKEY, 0);
    ::keybd_event('S', static_cast<BYTE>(::MapVirtualKeyW('S', 0)), 0, 0);
    ::keybd_event('S', static_cast<BYTE>(::MapVirtualKeyW('S', 0)), KEYEVENTF_KEYUP, 0);
    ::keybd_event(VK_CONTROL, static_cast<BYTE>(::MapVirtualKeyW(VK_CONTROL, 0)),
                  KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(LogPath) == LogLine("keystroke"); }, 5000)) << ReadBytes(LogPath);
    EXPECT_EQ(ReadBytes(Path), InCodePage932(L"保存する内容"));
    EXPECT_EQ(::SendMessageW(EditorTextControl(editor), EM_GETMODIFY, 0, 0), 0);
}

}  // namespace
}  // namespace e2e
