// The engine's probe on real editor windows, through the Win32 desktop adapter.
#include "layout/layout_engine.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_desktop.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace e2e {
namespace {

using wyndrel::win32::Narrow;
using wyndrel::win32::ToHwnd;

TEST(EditorCaptureOnRealWindows, CapturesTitledEditorsInZOrderAtTheirRestoredRectangles) {
    TTempFolder folder;
    TProcessGuard processes;
    std::vector<std::wstring> paths = {folder.File(L"一.txt"), folder.File(L"two.txt")};
    for (const auto& path : paths) WriteBytes(path, "some text in the document");

    TStartOptions placed{true, 30, 40, 400, 300, {}, {}};
    std::vector<HWND> editors;
    for (const auto& path : paths) {
        ASSERT_NE(processes.StartEditor(L"\"" + path + L"\"", placed), nullptr);
        editors.push_back(WaitForEditorShowing(path));
        ASSERT_NE(editors.back(), nullptr);
        placed.Left += 50;
    }
    ASSERT_NE(processes.StartEditor(L""), nullptr);
    ::SendMessageW(EditorTextControl(editors[0]), EM_SETSEL, 7, 7);
    // The minimised one is captured at the rectangle it comes back to.
    const std::vector<RECT> restored{WindowRectangle(editors[0]), WindowRectangle(editors[1])};
    ::ShowWindow(editors[1], SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(editors[1]) != FALSE; }, 5000));

    wyndrel::win32::TWin32Desktop desktop;
    wyndrel::layout::TLayoutEngine engine(desktop);
    auto captured = engine.CaptureEditors();
    ASSERT_TRUE(captured);

    // Other editors of the session may exist; ours must come in the platform's Z order.
    std::vector<HWND> zOrder = TopLevelWindowsOfClass(L"TQuillonMainForm");
    std::vector<const wyndrel::layout::TLayout*> ours;
    for (const auto& entry : *captured)
        if (std::find(editors.begin(), editors.end(), ToHwnd(entry.Wnd)) != editors.end())
            ours.push_back(&entry);
    ASSERT_EQ(ours.size(), 2u);
    auto position = [&](HWND w) {
        return std::find(zOrder.begin(), zOrder.end(), w) - zOrder.begin();
    };
    EXPECT_LT(position(ToHwnd(ours[0]->Wnd)), position(ToHwnd(ours[1]->Wnd)));

    for (const auto* entry : ours) {
        HWND window = ToHwnd(entry->Wnd);
        RECT bounds = restored[window == editors[0] ? 0 : 1];
        EXPECT_EQ(entry->FileName, Narrow(EditorPath(window)));
        EXPECT_EQ(entry->SelStart, static_cast<std::int32_t>(EditorCaret(window)));
        EXPECT_EQ(entry->Left, bounds.left);
        EXPECT_EQ(entry->Top, bounds.top);
        EXPECT_EQ(entry->Width, bounds.right - bounds.left);
        EXPECT_EQ(entry->Height, bounds.bottom - bounds.top);
    }
    auto first = std::find_if(ours.begin(), ours.end(),
                              [&](auto* e) { return ToHwnd(e->Wnd) == editors[0]; });
    ASSERT_NE(first, ours.end());
    EXPECT_EQ((*first)->SelStart, 7);
    EXPECT_EQ((*first)->Width, 400);
    for (const auto& entry : *captured) EXPECT_FALSE(entry.FileName.empty());
}

TEST(EditorCaptureOnRealWindows, CapturesAndFindsAnEditorByItsWholeLongPathInAnotherLetterCase) {
    TTempFolder folder;
    TProcessGuard processes;
    // About 300 characters, in a folder that does not exist: the editor shows it, empty.
    std::wstring path = folder.File(std::wstring(260 - folder.Path().size(), L'd') + L"\\" +
                                    std::wstring(30, L'f') + L"\\Report.TXT");
    ASSERT_GT(path.size(), 290u);
    ASSERT_NE(processes.StartEditor(L"\"" + path + L"\""), nullptr);
    HWND editor = WaitForEditorShowing(path);
    ASSERT_NE(editor, nullptr);

    wyndrel::win32::TWin32Desktop desktop;
    wyndrel::layout::TLayoutEngine engine(desktop);
    auto captured = engine.CaptureEditors();
    ASSERT_TRUE(captured);
    auto entry = std::find_if(captured->begin(), captured->end(),
                              [&](const auto& e) { return ToHwnd(e.Wnd) == editor; });
    ASSERT_NE(entry, captured->end());
    EXPECT_EQ(entry->FileName, Narrow(path));
    std::string lower = Narrow(path);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    auto found = engine.FindEditorByFile(lower);
    ASSERT_TRUE(found);
    EXPECT_EQ(ToHwnd(found->Wnd), editor);
    EXPECT_EQ(ToHwnd(found->Editor), EditorTextControl(editor));
}

}  // namespace
}  // namespace e2e
