// The main window's layout commands end to end: a save from the button with a typed file
// name, a read from the button after the editors have closed, and the running-editors list
// over the window, compared with what the command line's save records.
#include "app/main_window_ids.h"
#include "dialogs/quillon_list_ids.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/remote_controls.h"
#include "support/temp_folder.h"
#include "support/wyndrel_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace e2e {
namespace {

namespace ids = wyndrel::app::ids;
namespace list_ids = wyndrel::dialogs::list_ids;
using TRows = std::vector<std::vector<std::wstring>>;

std::wstring FromAnsi(const std::string& bytes) {
    const int length =
        ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                          length);
    return text;
}

// A layout file's entries as the list shows them: path, left, top, width, height, caret.
TRows LayoutRows(const std::wstring& layoutFile) {
    std::wistringstream lines(FromAnsi(ReadBytes(layoutFile)));
    TRows rows;
    for (std::wstring line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        if (line.starts_with(L"File="))
            rows.push_back({line.substr(5), L"", L"", L"", L"", L""});
        else if (line.starts_with(L"Curs=") && !rows.empty())
            rows.back()[5] = line.substr(5);
        else if (line.starts_with(L"Rect=") && !rows.empty()) {
            std::wistringstream numbers(line.substr(5));
            for (int column = 1; column <= 4; ++column)
                std::getline(numbers, rows.back()[column], L',');
        }
    }
    return rows;
}

class TJourney {
public:
    TJourney() : Settings("[List]\r\nLeft=-5000\r\nTop=-4000\r\n") {}
    void Click(int id) { ::PostMessageW(Window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    // What `wyndrel.exe /SAVE` records now.
    TRows CommandLineSave(const std::wstring& name) {
        EXPECT_EQ(Processes.RunWyndrel(L"/SAVE \"" + Folder.File(name) + L"\""), 0);
        return LayoutRows(Folder.File(name));
    }
    bool ChooseInDialog(const std::wstring& caption, const std::wstring& path) {
        HWND dialog = WaitForDialog(caption);
        return dialog && ::GetWindow(dialog, GW_OWNER) == Window && !::IsWindowEnabled(Window) &&
               ChooseFileInDialog(dialog, path);
    }

    TTempFolder Folder;
    TWyndrelSettings Settings;
    TProcessGuard Processes;
    HWND Window = nullptr;
};

bool InsideWorkArea(HWND window) {
    RECT work{}, bounds = WindowRectangle(window);
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return bounds.left >= work.left && bounds.top >= work.top && bounds.right <= work.right &&
           bounds.bottom <= work.bottom;
}

TEST(LayoutCommandsJourney, SaveAndReadFromTheButtonsAndTheListOfTheRunningEditors) {
    TJourney journey;
    const std::wstring a = journey.Folder.File(L"a.txt"), b = journey.Folder.File(L"b.txt");
    ASSERT_NE(journey.Processes.OpenEditor(a, {true, 30, 40, 400, 300, {}, {}}), nullptr);
    ASSERT_NE(journey.Processes.OpenEditor(b, {true, 260, 150, 420, 320, {}, {}}), nullptr);
    HANDLE resident = journey.Processes.StartWyndrel(L"");
    journey.Window = WaitForWindowOfProcess(resident, L"TfrmWyndrel", 20000);
    ASSERT_NE(journey.Window, nullptr);

    // Save: the typed file holds what the command line's save writes.
    const std::wstring saved = journey.Folder.File(L"desk.qdl");
    journey.Click(ids::btnSave);
    ASSERT_TRUE(journey.ChooseInDialog(L"デスクトップレイアウトファイルの保存", saved));
    ASSERT_TRUE(WaitUntil(
        [&] { return ::GetFileAttributesW(saved.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000));
    const TRows before = journey.CommandLineSave(L"command.qdl");
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(ReadBytes(saved), ReadBytes(journey.Folder.File(L"command.qdl")));

    // Read: the closed editors come back on their rectangles with their carets.
    for (const std::wstring& path : {a, b})
        ::PostMessageW(WaitForEditorShowing(path), WM_CLOSE, 0, 0);
    ASSERT_TRUE(
        WaitUntil([] { return TopLevelWindowsOfClass(L"TQuillonMainForm").empty(); }, 10000));
    journey.Click(ids::btnRead);
    ASSERT_TRUE(journey.ChooseInDialog(L"デスクトップレイアウトファイルを開く", saved));
    for (const std::wstring& path : {a, b}) {
        HWND editor = WaitForEditorShowing(path, 20000);
        ASSERT_NE(editor, nullptr);
        journey.Processes.Adopt(editor);
    }
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(journey.Window) != FALSE; }, 20000));
    TRows restored = journey.CommandLineSave(L"restored.qdl");
    TRows expected = before;
    std::sort(restored.begin(), restored.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(restored, expected);

    // The list: modal over the window, on screen although stored off it, and showing what
    // the command line's save captures, in its order.
    journey.Click(ids::btnSituate);
    HWND list = WaitForDialog(L"Quillonリスト");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(::GetWindow(list, GW_OWNER), journey.Window);
    EXPECT_FALSE(::IsWindowEnabled(journey.Window));
    EXPECT_TRUE(InsideWorkArea(list));
    HWND view = ::GetDlgItem(list, list_ids::LV);
    ASSERT_TRUE(WaitUntil([&] { return RemoteListRows(view).size() == 2; }, 10000));
    EXPECT_EQ(RemoteListRows(view), journey.CommandLineSave(L"listed.qdl"));

    // Another editor, then the program active again: the list is read anew.
    HWND c = journey.Processes.OpenEditor(journey.Folder.File(L"c.txt"),
                                          {true, 500, 90, 300, 200, {}, {}});
    ASSERT_NE(c, nullptr);
    ::SetForegroundWindow(c);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == c; }, 10000));
    EXPECT_EQ(RemoteListRows(view).size(), 2u);
    ::SetForegroundWindow(list);
    ASSERT_TRUE(WaitUntil([&] { return RemoteListRows(view).size() == 3; }, 10000));
    EXPECT_EQ(RemoteListRows(view), journey.CommandLineSave(L"relisted.qdl"));

    ASSERT_TRUE(PressDialogButtonById(list, list_ids::btnClose));
    EXPECT_TRUE(
        WaitUntil([&] { return !::IsWindow(list) && ::IsWindowEnabled(journey.Window); }, 10000));
    journey.Click(ids::btnClose);
    EXPECT_EQ(WaitForExit(resident, 20000), 0);
}

}  // namespace
}  // namespace e2e
