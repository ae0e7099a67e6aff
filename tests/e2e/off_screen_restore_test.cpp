// wyndrel.exe brings every window of a layout back where the user can see it: a minimised
// editor at the rectangle it had, rectangles beyond every monitor onto one, and the file's
// coordinates unchanged by the display's scaling.
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
    HWND OpenAt(const std::wstring& path, int left, int top, int width, int height) {
        return Processes.OpenEditor(path, TStartOptions{true, left, top, width, height, {}, {}});
    }
    void CloseAndWait(HWND editor) {
        ::PostMessageW(editor, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(editor); }, 10000));
    }
    HWND Reopened(const std::wstring& path) {
        HWND editor = WaitForEditorShowing(path);
        if (editor) Processes.Adopt(editor);
        return editor;
    }

    TWyndrelSettings Settings;
    TTempFolder Folder;
    TProcessGuard Processes;
};

TEST_F(OffScreenRestore, AnEditorMinimisedAtSaveTimeComesBackVisibleAtItsNormalRectangle) {
    std::wstring path = Document(L"minimised.txt");
    HWND editor = OpenAt(path, 120, 90, 480, 320);
    ASSERT_NE(editor, nullptr);
    RECT normal = WindowRectangle(editor);
    ::ShowWindow(editor, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(editor) != FALSE; }, 5000));
    std::wstring layout = Folder.File(L"min.qdl");
    ASSERT_EQ(Processes.RunWyndrel(L"/SAVE \"" + layout + L"\""), 0);
    CloseAndWait(editor);

    ASSERT_EQ(Processes.RunWyndrel(L"/LOAD \"" + layout + L"\""), 0);
    HWND reopened = Reopened(path);
    ASSERT_NE(reopened, nullptr);
    EXPECT_FALSE(::IsIconic(reopened));
    EXPECT_TRUE(::IsWindowVisible(reopened));
    RECT bounds = WindowRectangle(reopened);
    EXPECT_TRUE(::EqualRect(&bounds, &normal)) << bounds.left << "," << bounds.top << " " << ReadBytes(layout);
}

TEST_F(OffScreenRestore, ALayoutBeyondEveryMonitorRestoresEachWindowWholeOntoOne) {
    std::wstring right = Document(L"far right.txt"), above = Document(L"far above.txt");
    std::wstring layout = Folder.File(L"elsewhere.qdl");
    WriteBytes(layout, "[QuillonLayoutFile]\r\nFile=" + Narrow(right) + "\r\nRect=40000,300,400,300\r\nFile=" +
                           Ansi(above) + "\r\nRect=-9000,-7000,300,200\r\n");
    ASSERT_EQ(Processes.RunWyndrel(L"/LOAD \"" + layout + L"\""), 0);
    for (const std::wstring& path : {right, above}) {
        HWND editor = Reopened(path);
        ASSERT_NE(editor, nullptr) << Narrow(path);
        RECT bounds = WindowRectangle(editor);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromWindow(editor, MONITOR_DEFAULTTONEAREST), &monitor));
        RECT inside{};
        EXPECT_TRUE(::IntersectRect(&inside, &bounds, &monitor.rcWork) && ::EqualRect(&inside, &bounds))
            << Narrow(path) << ": " << bounds.left << "," << bounds.top << "," << bounds.right << "," << bounds.bottom;
        EXPECT_EQ(bounds.right - bounds.left, path == right ? 400 : 300);
    }
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

// The display scaling of the programs started from now on (the system DPI a process reads
// when it starts), put back when the test ends.
class TSystemDpi {
public:
    explicit TSystemDpi(DWORD dpi) {
        DWORD size = sizeof(FPrevious);
        FHadValue = ::RegGetValueW(HKEY_CURRENT_USER, Key, Value, RRF_RT_REG_DWORD, nullptr, &FPrevious, &size) ==
                    ERROR_SUCCESS;
        Set(dpi);
    }
    ~TSystemDpi() {
        if (FHadValue)
            Set(FPrevious);
        else
            ::RegDeleteKeyValueW(HKEY_CURRENT_USER, Key, Value);
    }
    TSystemDpi(const TSystemDpi&) = delete;
    TSystemDpi& operator=(const TSystemDpi&) = delete;

private:
    static void Set(DWORD dpi) {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, Key, Value, REG_DWORD, &dpi, sizeof(dpi));
    }
    static constexpr const wchar_t* Key = L"Control Panel\\Desktop";
    static constexpr const wchar_t* Value = L"LogPixels";
    DWORD FPrevious = 0;
    bool FHadValue = false;
};

TEST_F(OffScreenRestore, At144DpiASaveAndRestoreRoundTripsExactly) {
    TSystemDpi scaled(144);
    std::wstring plain = Document(L"plain.txt"), minimised = Document(L"minimised.txt");
    HWND first = OpenAt(plain, 150, 120, 600, 450);
    HWND second = OpenAt(minimised, 300, 240, 420, 330);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    RECT firstBounds = WindowRectangle(first), secondBounds = WindowRectangle(second);
    ::ShowWindow(second, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(second) != FALSE; }, 5000));
    std::wstring layout = Folder.File(L"scaled.qdl");
    ASSERT_EQ(Processes.RunWyndrel(L"/SAVE \"" + layout + L"\""), 0);
    CloseAndWait(first);
    CloseAndWait(second);

    ASSERT_EQ(Processes.RunWyndrel(L"/LOAD \"" + layout + L"\""), 0);
    HWND firstAgain = Reopened(plain), secondAgain = Reopened(minimised);
    ASSERT_NE(firstAgain, nullptr);
    ASSERT_NE(secondAgain, nullptr);
    RECT firstNow = WindowRectangle(firstAgain), secondNow = WindowRectangle(secondAgain);
    EXPECT_TRUE(::EqualRect(&firstNow, &firstBounds)) << ReadBytes(layout);
    EXPECT_TRUE(::EqualRect(&secondNow, &secondBounds)) << ReadBytes(layout);
}

}  // namespace
}  // namespace e2e
