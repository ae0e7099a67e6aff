// wyndrel.exe brings every window of a layout back where the user can see it: a minimised
// editor at the rectangle it had, a maximised one maximised over its normal rectangle,
// rectangles beyond every monitor onto one, and the file's coordinates unchanged by the
// display's scaling.
#include "platform/win32/wide_string.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "support/wyndrel_settings.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

using wyndrel::win32::Narrow;

std::string Ansi(const std::wstring& path) { return wyndrel::win32::Utf8ToAnsi(Narrow(path)); }

class OffScreenRestore : public ::testing::Test {
protected:
    std::wstring Document(const wchar_t* name) {
        std::wstring path = Folder.File(name);
        WriteBytes(path, "text");
        return path;
    }
    // Opens a plain and a minimised editor, saves, closes both and loads: each must come
    // back shown at the rectangle it had before.
    void SaveCloseAndLoadAPlainAndAMinimisedEditor() {
        std::wstring paths[] = {Document(L"plain.txt"), Document(L"minimised.txt")};
        HWND editors[] = {
            Processes.OpenEditor(paths[0], TStartOptions{true, 150, 120, 600, 450, {}, {}}),
            Processes.OpenEditor(paths[1], TStartOptions{true, 300, 240, 420, 330, {}, {}})};
        ASSERT_TRUE(editors[0] && editors[1]);
        RECT before[] = {WindowRectangle(editors[0]), WindowRectangle(editors[1])};
        ::ShowWindow(editors[1], SW_MINIMIZE);
        ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(editors[1]) != FALSE; }, 5000));
        std::wstring layout = Folder.File(L"desk.qdl");
        ASSERT_EQ(Processes.RunWyndrel(L"/SAVE \"" + layout + L"\""), 0);
        for (HWND editor : editors) {
            ::PostMessageW(editor, WM_CLOSE, 0, 0);
            ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(editor); }, 10000));
        }
        ASSERT_EQ(Processes.RunWyndrel(L"/LOAD \"" + layout + L"\""), 0);
        for (int i : {0, 1}) {
            HWND editor = WaitForEditorShowing(paths[i]);
            ASSERT_NE(editor, nullptr);
            Processes.Adopt(editor);
            RECT now = WindowRectangle(editor);
            EXPECT_TRUE(::IsWindowVisible(editor) && !::IsIconic(editor));
            EXPECT_TRUE(::EqualRect(&now, &before[i])) << now.left << "," << now.top << "\n"
                                                       << ReadBytes(layout);
        }
    }

    TWyndrelSettings Settings;
    TTempFolder Folder;
    TProcessGuard Processes;
};

TEST_F(OffScreenRestore, AnEditorMinimisedAtSaveTimeComesBackVisibleAtItsNormalRectangle) {
    SaveCloseAndLoadAPlainAndAMinimisedEditor();
}

std::string RectLine(const RECT& r) {
    return "Rect=" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right - r.left) + "," + std::to_string(r.bottom - r.top) + "\r\n";
}

TEST_F(OffScreenRestore,
       AnEditorMaximisedAtSaveTimeComesBackMaximisedOverItsNormalRectangleWithItsCaret) {
    const std::wstring path = Document(L"最大化.txt"), layout = Folder.File(L"maximised.qdl");
    HWND editor = Processes.OpenEditor(path, TStartOptions{true, 100, 100, 400, 300, {}, {}});
    ASSERT_NE(editor, nullptr);
    ::SendMessageW(EditorTextControl(editor), EM_SETSEL, 3, 3);
    ::ShowWindow(editor, SW_MAXIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return ::IsZoomed(editor) != FALSE; }, 5000));
    const RECT maximised = WindowRectangle(editor);
    ASSERT_EQ(Processes.RunWyndrel(L"/SAVE \"" + layout + L"\""), 0);
    EXPECT_EQ(ReadBytes(layout), "[QuillonLayoutFile]\r\nFile=" + Ansi(path) + "\r\nCurs=3\r\n" +
                                     RectLine(maximised) +
                                     "#Show=Maximized;Normal=100,100,400,300\r\n");
    ::PostMessageW(editor, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(editor); }, 10000));
    ASSERT_EQ(Processes.RunWyndrel(L"/LOAD \"" + layout + L"\""), 0);
    HWND restored = WaitForEditorShowing(path);
    ASSERT_NE(restored, nullptr);
    Processes.Adopt(restored);
    ASSERT_TRUE(WaitUntil([&] { return ::IsZoomed(restored) != FALSE; }, 5000));
    EXPECT_EQ(RectLine(WindowRectangle(restored)), RectLine(maximised));
    EXPECT_EQ(EditorCaret(restored), 3u);
    ::ShowWindow(restored, SW_RESTORE);
    ASSERT_TRUE(WaitUntil([&] { return !::IsZoomed(restored); }, 5000));
    EXPECT_EQ(RectLine(WindowRectangle(restored)), "Rect=100,100,400,300\r\n");
}

TEST_F(OffScreenRestore, ALayoutBeyondEveryMonitorRestoresEachWindowWholeOntoOne) {
    std::wstring right = Document(L"far right.txt"), above = Document(L"far above.txt");
    std::wstring layout = Folder.File(L"elsewhere.qdl");
    WriteBytes(layout, "[QuillonLayoutFile]\r\nFile=" + Ansi(right) +
                           "\r\nRect=40000,300,400,300\r\nFile=" + Ansi(above) +
                           "\r\nRect=-9000,-7000,300,200\r\n");
    ASSERT_EQ(Processes.RunWyndrel(L"/LOAD \"" + layout + L"\""), 0);
    for (const std::wstring& path : {right, above}) {
        HWND editor = WaitForEditorShowing(path);
        ASSERT_NE(editor, nullptr) << Narrow(path);
        Processes.Adopt(editor);
        RECT bounds = WindowRectangle(editor), inside{};
        MONITORINFO monitor{sizeof(MONITORINFO), {}, {}, 0};
        ASSERT_TRUE(
            ::GetMonitorInfoW(::MonitorFromWindow(editor, MONITOR_DEFAULTTONEAREST), &monitor));
        EXPECT_TRUE(::IntersectRect(&inside, &bounds, &monitor.rcWork) &&
                    ::EqualRect(&inside, &bounds));
        EXPECT_EQ(bounds.right - bounds.left, path == right ? 400 : 300);
    }
}

// The system DPI of the programs started from now on (read when a process starts), put back
// when the test ends.
class TSystemDpi {
public:
    explicit TSystemDpi(DWORD dpi) {
        DWORD size = sizeof(FPrevious);
        FHad = ::RegGetValueW(HKEY_CURRENT_USER, Key, Value, RRF_RT_REG_DWORD, nullptr, &FPrevious,
                              &size) == 0;
        ::RegSetKeyValueW(HKEY_CURRENT_USER, Key, Value, REG_DWORD, &dpi, sizeof(dpi));
    }
    ~TSystemDpi() {
        if (FHad)
            ::RegSetKeyValueW(HKEY_CURRENT_USER, Key, Value, REG_DWORD, &FPrevious,
                              sizeof(FPrevious));
        if (!FHad) ::RegDeleteKeyValueW(HKEY_CURRENT_USER, Key, Value);
    }

private:
    static constexpr const wchar_t* Key = L"Control Panel\\Desktop";
    static constexpr const wchar_t* Value = L"LogPixels";
    DWORD FPrevious = 0;
    bool FHad = false;
};

TEST_F(OffScreenRestore, At144DpiASaveAndRestoreRoundTripsExactly) {
    TSystemDpi scaled(144);
    SaveCloseAndLoadAPlainAndAMinimisedEditor();
}

}  // namespace
}  // namespace e2e
