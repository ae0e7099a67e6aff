// The editor double answers as the editor does: classes, children, titles, command lines,
// placement, the edit-control messages and both ways of asking it to save.
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

constexpr UINT WM_SAVEREQUEST = WM_APP + 400;

std::string InCodePage932(const std::wstring& text) {
    int length = ::WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                       0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length,
                          nullptr, nullptr);
    return bytes;
}

std::string InUtf8(const std::wstring& text) {
    int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                          length, nullptr, nullptr);
    return bytes;
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    int length = ::GetClassNameW(window, name, 64);
    return std::wstring(name, static_cast<size_t>(length));
}

std::wstring Title(HWND window) {
    wchar_t title[256] = {};
    int length = ::GetWindowTextW(window, title, 256);
    return std::wstring(title, static_cast<size_t>(length));
}

std::vector<std::wstring> ChildClasses(HWND window) {
    std::vector<std::wstring> classes;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        classes.push_back(ClassName(child));
    return classes;
}

LRESULT IsModified(HWND editor) {
    return ::SendMessageW(EditorTextControl(editor), EM_GETMODIFY, 0, 0);
}

class QuillonDouble : public ::testing::Test {
protected:
    TTempFolder Folder;
    TProcessGuard Processes;

    HWND OpenUntitled(const std::wstring& arguments) {
        HANDLE process = Processes.StartEditor(arguments);
        return process ? WaitForWindowOfProcess(process, L"TQuillonMainForm") : nullptr;
    }
};

TEST_F(QuillonDouble, ShowsAFileInTheEditorsWindowClassesWithItsPathTitleAndText) {
    std::wstring path = Folder.File(L"議事録.txt");
    WriteBytes(path, InCodePage932(L"一行目\r\n二行目"));
    HWND editor = Processes.OpenEditor(path);
    ASSERT_NE(editor, nullptr);

    EXPECT_EQ(ClassName(editor), L"TQuillonMainForm");
    EXPECT_EQ(ChildClasses(editor), (std::vector<std::wstring>{L"TEdit", L"TEditor"}));
    EXPECT_EQ(Title(editor), L"議事録.txt - Quillon");
    EXPECT_EQ(EditorPath(editor), path);
    EXPECT_EQ(WindowText(EditorTextControl(editor)), L"一行目\r\n二行目");
    EXPECT_EQ(IsModified(editor), 0);
}

TEST_F(QuillonDouble, OpensAMissingFileEmptyUnderItsPathWithoutCreatingIt) {
    std::wstring path = Folder.File(L"new.txt");
    HWND editor = Processes.OpenEditor(path);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(WindowText(EditorTextControl(editor)), L"");
    EXPECT_EQ(Title(editor), L"new.txt - Quillon");
    EXPECT_EQ(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(QuillonDouble, ShowsARelativePathInFullAgainstItsWorkingFolder) {
    TStartOptions inFolder;
    inFolder.WorkingFolder = Folder.Path();
    ASSERT_NE(Processes.StartEditor(L"\"relative.txt\"", inFolder), nullptr);
    EXPECT_NE(WaitForEditorShowing(Folder.File(L"relative.txt")), nullptr);
}

TEST_F(QuillonDouble, OpensAnUntitledDocumentForATypeWord) {
    HWND editor = OpenUntitled(L"/html");
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(ChildClasses(editor), (std::vector<std::wstring>{L"TEdit", L"TEditor"}));
    EXPECT_EQ(EditorPath(editor), L"");
    EXPECT_EQ(WindowText(EditorTextControl(editor)), L"");
    EXPECT_EQ(Title(editor), L"無題 - Quillon");
}

// The program names the editor by its path as the application and writes that path unquoted
// at the head of the command line, blanks and all; the editor still finds its document.
TEST_F(QuillonDouble, FindsItsArgumentsAfterItsOwnPathWrittenUnquotedWithBlanks) {
    ASSERT_TRUE(::CreateDirectoryW(Folder.File(L"Program Files").c_str(), nullptr));
    const std::wstring program = Folder.File(L"Program Files\\Quillon.exe");
    ASSERT_TRUE(::CopyFileW((ProgramFolder() + L"Quillon.exe").c_str(), program.c_str(), FALSE));
    const std::wstring path = Folder.File(L"memo.txt");
    for (const std::wstring& arguments : {L" \"" + path + L"\"", std::wstring(L" /html")}) {
        std::wstring commandLine = program + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        ASSERT_TRUE(::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                     0, nullptr, nullptr, &startup, &started));
        ::CloseHandle(started.hThread);
        wyndrel::win32::TUniqueHandle process(started.hProcess);
        HWND editor = WaitForWindowOfProcess(process.Get(), L"TQuillonMainForm");
        ASSERT_NE(editor, nullptr);
        Processes.Adopt(editor);
        EXPECT_EQ(EditorPath(editor), arguments[1] == L'"' ? path : L"") << commandLine;
        EXPECT_EQ(Title(editor), arguments[1] == L'"' ? L"memo.txt - Quillon" : L"無題 - Quillon")
            << commandLine;
    }
}

TEST_F(QuillonDouble, OpensAnUntitledDocumentWithoutArguments) {
    HWND editor = OpenUntitled(L"");
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(ChildClasses(editor), (std::vector<std::wstring>{L"TEdit", L"TEditor"}));
    EXPECT_EQ(EditorPath(editor), L"");
    EXPECT_EQ(Title(editor), L"無題 - Quillon");
}

TEST_F(QuillonDouble, TakesItsPlaceAndSizeFromTheStartUpInformation) {
    TStartOptions placed;
    placed.HasPlacement = true;
    placed.Left = 100;
    placed.Top = 120;
    placed.Width = 500;
    placed.Height = 300;
    HWND editor = Processes.OpenEditor(Folder.File(L"placed.txt"), placed);
    ASSERT_NE(editor, nullptr);
    RECT bounds = WindowRectangle(editor);
    EXPECT_EQ(bounds.left, 100);
    EXPECT_EQ(bounds.top, 120);
    EXPECT_EQ(bounds.right, 600);
    EXPECT_EQ(bounds.bottom, 420);
}

TEST_F(QuillonDouble, PlacesAndReportsTheCaretAsAnEditControl) {
    std::wstring path = Folder.File(L"caret.txt");
    WriteBytes(path, "0123456789");
    HWND editor = Processes.OpenEditor(path);
    ASSERT_NE(editor, nullptr);
    ::SendMessageW(EditorTextControl(editor), EM_SETSEL, 4, 4);
    EXPECT_EQ(EditorCaret(editor), 4u);
    ::SendMessageW(EditorTextControl(editor), EM_SETSEL, 500, 500);
    EXPECT_EQ(EditorCaret(editor), 10u);
}

TEST_F(QuillonDouble, ScrollsTheCaretIntoViewOnRequest) {
    std::wstring path = Folder.File(L"long.txt");
    std::string lines;
    for (int i = 0; i < 200; ++i) lines += "line " + std::to_string(i) + "\r\n";
    WriteBytes(path, lines);
    HWND editor = Processes.OpenEditor(path);
    ASSERT_NE(editor, nullptr);
    HWND text = EditorTextControl(editor);
    ASSERT_EQ(::SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    ::SendMessageW(text, EM_SETSEL, static_cast<WPARAM>(lines.size()),
                   static_cast<LPARAM>(lines.size()));
    EXPECT_NE(::SendMessageW(text, EM_SCROLLCARET, 0, 0), 0);
    EXPECT_GT(::SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0), 150);
}

TEST_F(QuillonDouble, TypingIntoTheTextMarksTheDocumentModified) {
    HWND editor = Processes.OpenEditor(Folder.File(L"typed.txt"));
    ASSERT_NE(editor, nullptr);
    ::SendMessageW(EditorTextControl(editor), WM_CHAR, L'x', 0);
    EXPECT_EQ(WindowText(EditorTextControl(editor)), L"x");
    EXPECT_NE(IsModified(editor), 0);
}

class QuillonDoubleSaving : public QuillonDouble {
protected:
    std::wstring LogPath = Folder.File(L"saves.log");
    std::wstring Path = Folder.File(L"メモ.txt");

    TStartOptions Logged() {
        TStartOptions options;
        options.Environment = {{L"QUILLON_DOUBLE_SAVE_LOG", LogPath}};
        return options;
    }
    HWND OpenModified() {
        HWND editor = Processes.OpenEditor(Path, Logged());
        if (!editor) return nullptr;
        ::SendMessageW(EditorTextControl(editor), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(L"保存する\r\n内容"));
        ::SendMessageW(EditorTextControl(editor), EM_SETMODIFY, TRUE, 0);
        return editor;
    }
    std::string LogLine(const char* way) { return std::string(way) + "\t" + InUtf8(Path) + "\n"; }
};

TEST_F(QuillonDoubleSaving, SavesOnASentSaveRequestAndClearsTheModifiedFlag) {
    HWND editor = OpenModified();
    ASSERT_NE(editor, nullptr);
    ::SendMessageW(editor, WM_SAVEREQUEST, 0, 0);
    EXPECT_EQ(ReadBytes(Path), InCodePage932(L"保存する\r\n内容"));
    EXPECT_EQ(IsModified(editor), 0);
    EXPECT_EQ(ReadBytes(LogPath), LogLine("message"));
}

TEST_F(QuillonDoubleSaving, SavesOnAPostedSaveRequest) {
    HWND editor = OpenModified();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(::PostMessageW(editor, WM_SAVEREQUEST, 0, 0));
    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(LogPath) == LogLine("message"); }, 5000))
        << ReadBytes(LogPath);
    EXPECT_EQ(ReadBytes(Path), InCodePage932(L"保存する\r\n内容"));
    EXPECT_EQ(IsModified(editor), 0);
}

TEST_F(QuillonDoubleSaving, SavesOnCtrlSTypedIntoItsWindow) {
    HWND editor = OpenModified();
    ASSERT_NE(editor, nullptr);
    ::SetForegroundWindow(editor);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == editor; }, 5000));
    ::keybd_event(VK_CONTROL, static_cast<BYTE>(::MapVirtualKeyW(VK_CONTROL, 0)), 0, 0);
    ::keybd_event('S', static_cast<BYTE>(::MapVirtualKeyW('S', 0)), 0, 0);
    ::keybd_event('S', static_cast<BYTE>(::MapVirtualKeyW('S', 0)), KEYEVENTF_KEYUP, 0);
    ::keybd_event(VK_CONTROL, static_cast<BYTE>(::MapVirtualKeyW(VK_CONTROL, 0)), KEYEVENTF_KEYUP,
                  0);
    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(LogPath) == LogLine("keystroke"); }, 5000))
        << ReadBytes(LogPath);
    EXPECT_EQ(ReadBytes(Path), InCodePage932(L"保存する\r\n内容"));
    EXPECT_EQ(IsModified(editor), 0);
    EXPECT_EQ(WindowText(EditorTextControl(editor)), L"保存する\r\n内容");
}

TEST_F(QuillonDoubleSaving, ReopensWhatItSavedUnderAJapaneseName) {
    HWND editor = OpenModified();
    ASSERT_NE(editor, nullptr);
    ::SendMessageW(editor, WM_SAVEREQUEST, 0, 0);
    ::SendMessageW(editor, WM_CLOSE, 0, 0);

    HWND again = Processes.OpenEditor(Path);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(WindowText(EditorTextControl(again)), L"保存する\r\n内容");
    EXPECT_EQ(IsModified(again), 0);
}

TEST_F(QuillonDoubleSaving, AnUntitledDocumentSkipsTheSaveAndWritesNoFile) {
    HANDLE process = Processes.StartEditor(L"", Logged());
    ASSERT_NE(process, nullptr);
    HWND editor = WaitForWindowOfProcess(process, L"TQuillonMainForm");
    ASSERT_NE(editor, nullptr);
    ::SendMessageW(EditorTextControl(editor), WM_CHAR, L'x', 0);
    ::SendMessageW(editor, WM_SAVEREQUEST, 0, 0);
    EXPECT_EQ(ReadBytes(LogPath), "skipped\t\n");
    EXPECT_NE(IsModified(editor), 0);
    WIN32_FIND_DATAW entry{};
    int files = 0;
    HANDLE search = ::FindFirstFileW(Folder.File(L"*.*").c_str(), &entry);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
    while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace e2e
