// Saving and restoring a layout through the Win32 adapters against real editor processes.
#include "layout/layout_commands.h"
#include "platform/win32/wide_string.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "support/win32_engine.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

using wyndrel::win32::Narrow;

struct TPlaced {
    std::wstring Path;
    RECT Bounds;
    DWORD Caret;
};

TEST(LayoutRoundTrip, BringsClosedEditorsBackAtTheirRectanglesWithTheirCarets) {
    TTempFolder folder;
    TProcessGuard processes;
    TWin32Engine real;

    std::vector<TPlaced> placed;
    TStartOptions options{true, 40, 50, 420, 300, {}, {}};
    for (const wchar_t* name : {L"議事録.txt", L"notes two.txt"}) {
        std::wstring path = folder.File(name);
        WriteBytes(path, std::string(400, 'x'));
        HWND editor = processes.OpenEditor(path, options);
        ASSERT_NE(editor, nullptr);
        DWORD caret = 17 + static_cast<DWORD>(placed.size()) * 100;
        ::SendMessageW(EditorTextControl(editor), EM_SETSEL, caret, caret);
        placed.push_back({path, WindowRectangle(editor), caret});
        options.Left += 200;
        options.Top += 80;
    }

    std::string layoutFile = Narrow(folder.File(L"day.qdl"));
    wyndrel::layout::SaveLayout(real.Engine, real.Files, real.Ui, layoutFile);
    ASSERT_TRUE(real.Files.FileExists(layoutFile));
    EXPECT_EQ(real.Ui.ApplicationTitle(), "Wyndrel");

    for (const TPlaced& entry : placed)
        ::PostMessageW(WaitForEditorShowing(entry.Path), WM_CLOSE, 0, 0);
    for (const TPlaced& entry : placed)
        ASSERT_TRUE(
            WaitUntil([&] { return WaitForEditorShowing(entry.Path, 0) == nullptr; }, 10000));

    wyndrel::layout::LoadLayout(real.Launcher, real.Files, real.Ui, layoutFile);
    for (const TPlaced& entry : placed) {
        HWND editor = WaitForEditorShowing(entry.Path);
        ASSERT_NE(editor, nullptr) << Narrow(entry.Path);
        processes.Adopt(editor);
        RECT bounds = WindowRectangle(editor);
        EXPECT_EQ(bounds.left, entry.Bounds.left);
        EXPECT_EQ(bounds.top, entry.Bounds.top);
        EXPECT_EQ(bounds.right, entry.Bounds.right);
        EXPECT_EQ(bounds.bottom, entry.Bounds.bottom);
        EXPECT_EQ(EditorCaret(editor), entry.Caret);
    }
    EXPECT_EQ(real.Ui.ApplicationTitle(), "Wyndrel");
}

}  // namespace
}  // namespace e2e
