// The options dialog on real controls inside the test process: switching sheets through the
// tab strip, a number typed and confirmed at once with Enter, and the mouse wheel on an
// up-down.
#include "dialogs/option_ids.h"
#include "dialogs/win32/option_dialog_window.h"
#include "fakes/fake_files.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_user_interface.h"
#include "support/desktop_probe.h"

#include <gtest/gtest.h>

#include <future>

namespace e2e {
namespace {

using namespace wyndrel::dialogs::option_ids;

constexpr const char* IniPath = "C:\\Tools\\wyndrel.ini";
constexpr const char* Editor = "C:\\Quillon\\Quillon.exe";

// The dialog on its own thread, as the program's modal loop runs it, over settings in memory.
class TOptionRun {
public:
    TOptionRun() {
        Ini.IniFileName = IniPath;
        Files.AddFolder("C:\\Tools");
        Files.AddFile(Editor, "");
        Files.AddFile(IniPath, "[Option]\r\nLastSheet=0\r\nUserTop=100\r\n");
    }
    std::future<void> Open() {
        return std::async(std::launch::async, [this] {
            wyndrel::dialogs::TOptionPorts ports{
                Ini, Ui, Files, Timer, EditorPath, "C:\\Tools\\wyndrel.hlp",
                [] { return std::optional<wyndrel::Rect>(wyndrel::Rect{100, 100, 244, 219}); },
                [] { return wyndrel::Rect{0, 0, 1024, 738}; }, {}, {}, [] { return std::string(); }, {}, std::nullopt};
            wyndrel::dialogs::win32::ShowOptionDialog(nullptr, std::move(ports));
        });
    }
    wyndrel::fakes::TFakeFiles Files;
    wyndrel::fakes::TFakeUserInterface Ui;
    wyndrel::fakes::TFakeTimer Timer;
    wyndrel::settings::TIniAccess Ini{Files};
    std::string EditorPath = Editor;
};

bool Shown(HWND dialog, int id) { return ::IsWindowVisible(::GetDlgItem(dialog, id)) != FALSE; }

TEST(OptionDialogOnWin32, SwitchesSheetsTakesATypedNumberOnEnterAndStepsAnUpDownByTheWheel) {
    TOptionRun run;
    std::future<void> shown = run.Open();
    HWND dialog = WaitForDialog(L"設定");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(Shown(dialog, txtQuilPath));
    EXPECT_FALSE(Shown(dialog, numLeft));

    // Focusing a tab selects it and tells the dialog, as a click on it does.
    ::SendMessageW(::GetDlgItem(dialog, PageCtrl), TCM_SETCURFOCUS, SheetStartup, 0);
    EXPECT_TRUE(WaitUntil([&] { return Shown(dialog, numLeft) && !Shown(dialog, txtQuilPath); }, 5000));

    HWND top = ::GetDlgItem(dialog, numTop);
    RECT box = WindowRectangle(top);
    ::PostMessageW(dialog, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(box.left + 3, box.top + 3));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(top) == L"160"; }, 5000));
    EXPECT_EQ(::SendMessageW(::GetDlgItem(dialog, udTop), UDM_GETPOS32, 0, 0), 160);

    HWND left = ::GetDlgItem(dialog, numLeft);
    ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(left), TRUE);
    ::SendMessageW(left, EM_SETSEL, 0, -1);
    for (wchar_t c : std::wstring(L"1,234")) ::SendMessageW(left, WM_CHAR, c, 0);
    ::PostMessageW(left, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_EQ(shown.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    shown.get();
    const std::string settings = run.Files.Content(IniPath);
    EXPECT_NE(settings.find("UserLeft=1234\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("UserTop=160\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("LastSheet=1\r\n"), std::string::npos) << settings;
}

}  // namespace
}  // namespace e2e
