// The options dialog on real controls inside the test process: a drop on the path box,
// switching sheets through the tab strip, numbers cleaned on leaving their box or typed and
// confirmed at once with Enter, one report of a box that holds no number when OK is
// clicked, and the mouse wheel on an up-down.
#include "dialogs/option_ids.h"
#include "dialogs/win32/option_dialog_window.h"
#include "fakes/fake_files.h"
#include "fakes/fake_open_forms.h"
#include "fakes/fake_user_registry.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_user_interface.h"
#include "platform/win32/message_loop.h"
#include "support/desktop_probe.h"
#include "support/drop_files.h"
#include "support/keys.h"
#include "support/option_dialog_world.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>

namespace e2e {
namespace {

using namespace wyndrel::dialogs::option_ids;

constexpr const char* IniPath = "C:\\Tools\\wyndrel.ini";
constexpr const char* Editor = "C:\\Quillon\\Quillon.exe";
constexpr const char* DroppedEditor = "C:\\Q2\\Quillon.exe";

// The dialog on its own thread, as the program's modal loop runs it, over settings in memory.
class TOptionRun : public TOptionDialogWorld {
public:
    TOptionRun() : TOptionDialogWorld(Editor) {
        Ini.IniFileName = IniPath;
        Files.AddFolder("C:\\Tools");
        Files.AddFile(Editor, "");
        Files.AddFile(DroppedEditor, "");
        Files.AddFile(IniPath, "[Option]\r\nLastSheet=0\r\nUserTop=100\r\n");
    }
    std::future<void> Open() {
        return std::async(std::launch::async,
                          [this] { wyndrel::dialogs::win32::ShowOptionDialog(nullptr, Ports()); });
    }
};

bool Shown(HWND dialog, int id) { return ::IsWindowVisible(::GetDlgItem(dialog, id)) != FALSE; }

void Type(HWND box, const std::wstring& text) {
    for (wchar_t c : text) ::SendMessageW(box, WM_CHAR, c, 0);
}

TEST(OptionDialogOnWin32, TakesADroppedEditorCleansAndStoresNumbersAndStepsAnUpDownByTheWheel) {
    TOptionRun run;
    std::future<void> shown = run.Open();
    HWND dialog = WaitForDialog(L"設定");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(Shown(dialog, txtQuilPath));
    EXPECT_FALSE(Shown(dialog, numLeft));

    // The first file of a drop becomes the path.
    HWND path = ::GetDlgItem(dialog, txtQuilPath);
    EXPECT_TRUE(::GetWindowLongPtrW(path, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    HDROP drop = MakeDrop({L"C:\\Q2\\Quillon.exe", L"C:\\other.exe"});
    ::SendMessageW(path, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_TRUE(DropReleased(drop));
    EXPECT_EQ(WindowText(path), L"C:\\Q2\\Quillon.exe");

    // Focusing a tab selects it and tells the dialog, as a click on it does.
    ::SendMessageW(::GetDlgItem(dialog, PageCtrl), TCM_SETCURFOCUS, SheetStartup, 0);
    EXPECT_TRUE(
        WaitUntil([&] { return Shown(dialog, numLeft) && !Shown(dialog, txtQuilPath); }, 5000));

    HWND top = ::GetDlgItem(dialog, numTop);
    RECT box = WindowRectangle(top);
    ::PostMessageW(dialog, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
                   MAKELPARAM(box.left + 3, box.top + 3));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(top) == L"160"; }, 5000));
    EXPECT_EQ(::SendMessageW(::GetDlgItem(dialog, udTop), UDM_GETPOS32, 0, 0), 160);

    // Left by Tab: the box keeps its digits (a "." never reaches it).
    HWND left = ::GetDlgItem(dialog, numLeft);
    ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(left), TRUE);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(dialog) == left; }, 5000));
    ::SendMessageW(left, EM_SETSEL, 0, -1);
    Type(left, L"1,2a.3");
    PressKey(dialog, VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(left) == L"123"; }, 5000));

    // Typed and confirmed at once with Enter: the box never left, its number stored all the same.
    ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(top), TRUE);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(dialog) == top; }, 5000));
    ::SendMessageW(top, EM_SETSEL, 0, -1);
    Type(top, L"1,234");
    PressKey(dialog, VK_RETURN);
    ASSERT_EQ(shown.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    shown.get();
    const std::string settings = run.Files.Content(IniPath);
    EXPECT_NE(settings.find("QuilPath=C:\\Q2\\Quillon.exe\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("UserLeft=123\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("UserTop=1234\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("LastSheet=1\r\n"), std::string::npos) << settings;
    EXPECT_EQ(run.EditorPath.Path(), DroppedEditor);
}

TEST(OptionDialogOnWin32, OkClickedWhileABoxHoldsNoNumberReportsItOnceAndLeavesTheFocusInTheBox) {
    TOptionRun run;
    std::atomic<int> boxes = 0;
    run.Ui.DuringBox = [&] {
        ++boxes;
        wyndrel::win32::ProcessPendingMessages();
    };
    std::future<void> shown = run.Open();
    HWND dialog = WaitForDialog(L"設定");
    ASSERT_NE(dialog, nullptr);
    ::SendMessageW(::GetDlgItem(dialog, PageCtrl), TCM_SETCURFOCUS, SheetStartup, 0);
    HWND left = ::GetDlgItem(dialog, numLeft);
    ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(left), TRUE);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(dialog) == left; }, 5000));
    ::SendMessageW(left, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1-2"));

    // Clicked with the mouse: pressed, which takes the focus from the box, and released.
    ::PostMessageW(::GetDlgItem(dialog, btnOK), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    ::PostMessageW(::GetDlgItem(dialog, btnOK), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_TRUE(WaitUntil([&] { return boxes > 0 && FocusOf(dialog) == left; }, 5000));
    ::SendMessageW(left, WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(L"1"));  // mended, so leaving it says nothing
    PressKey(dialog, VK_ESCAPE);
    ASSERT_EQ(shown.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    shown.get();
    EXPECT_EQ(boxes, 1);
    ASSERT_EQ(run.Ui.Messages().size(), 1u);
    EXPECT_EQ(run.Ui.Messages()[0].Text, "'1-2' は浮動小数点数ではありません");
}

}  // namespace
}  // namespace e2e
