// The whole resident program inside the test process, on the real adapters, where its popup
// menus can be read: while a command runs, the tray menu's entries that would start another
// one are shown greyed, and they are enabled again once it has ended.
#include "app/main_window_ids.h"
#include "app/win32/resident_program.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_resident_process.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_regional_settings.h"
#include "support/desktop_probe.h"
#include "support/temp_folder.h"
#include "support/tray_icon.h"
#include "support/win32_engine.h"
#include "ui/private_messages.h"

#include <gtest/gtest.h>

#include <map>
#include <thread>

namespace e2e {
namespace {

namespace ids = wyndrel::app::ids;

// The entries of the tray menu on screen, each as enabled or greyed; empty when no menu came.
std::map<int, bool> TrayMenuEntriesEnabled(HWND notifyWindow) {
    ::PostMessageW(notifyWindow, wyndrel::ui::TrayCallbackMessage, 2, WM_RBUTTONDOWN);
    if (!WaitUntil([] { return VisibleMenuCount() == 1; }, 10000)) return {};
    HWND popup = TopLevelWindowsOfClass(L"#32768").front();
    auto menu = reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0));
    std::map<int, bool> enabled;
    for (int id : {ids::pmBHtml, ids::pmVHorz, ids::pmASEnable, ids::pmASaveNow, ids::pmOption,
                   ids::pmAbout, ids::pmScatter, ids::pmOpen, ids::pmSave, ids::pmQuit})
        enabled[id] = (::GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & MF_GRAYED) == 0;
    ::PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 1);
    WaitUntil([] { return VisibleMenuCount() == 0; }, 10000);
    return enabled;
}

TEST(ResidentProgramInProcess, TheTrayMenuGreysWhatWouldStartACommandWhileTheSaveDialogIsOpen) {
    TTempFolder folder;
    const std::string exePath = wyndrel::win32::Narrow(folder.File(L"wyndrel.exe"));
    TWin32Engine real;
    wyndrel::win32::TWin32Clock clock;
    wyndrel::win32::TWin32RegionalSettings regional;
    wyndrel::fakes::TFakeDesktop fakeDesktop;
    wyndrel::fakes::TFakeResidentProcess process{fakeDesktop};
    wyndrel::settings::TIniAccess ini(real.Files);
    ini.IniFileName = wyndrel::win32::Narrow(folder.File(L"wyndrel.ini"));
    const wyndrel::settings::TSettingsFolder settingsFolder(
        wyndrel::win32::Narrow(folder.Path()) + "\\", "wyndrel.ini");
    wyndrel::app::win32::TResidentProgram program(
        {real.Desktop, real.Processes, real.Files, real.Ui, clock, regional}, process, ini,
        "C:\\none\\Quillon.exe", exePath, settingsFolder, &real.Ui);

    std::map<int, bool> duringSave, afterSave;
    std::thread user([&] {
        HWND window = WaitForWindowOfProcess(::GetCurrentProcess(), L"TfrmWyndrel", 10000);
        HWND notify = NotifyWindowOf(::GetCurrentProcess());
        if (!window || !notify) return;
        ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::btnSave, BN_CLICKED), 0);
        if (HWND dialog = WaitForDialog(L"デスクトップレイアウトファイルの保存")) {
            duringSave = TrayMenuEntriesEnabled(notify);
            PressDialogButton(dialog, L"キャンセル");
            WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }, 10000);
        }
        afterSave = TrayMenuEntriesEnabled(notify);
        ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(ids::btnClose, BN_CLICKED), 0);
    });
    program.RunMessageLoop(true);
    user.join();

    const std::map<int, bool> greyed{{ids::pmBHtml, false},   {ids::pmVHorz, true},
                                     {ids::pmASEnable, true}, {ids::pmASaveNow, false},
                                     {ids::pmOption, false},  {ids::pmAbout, false},
                                     {ids::pmScatter, false}, {ids::pmOpen, false},
                                     {ids::pmSave, false},    {ids::pmQuit, true}};
    EXPECT_EQ(duringSave, greyed);
    std::map<int, bool> allEnabled = greyed;
    for (auto& [id, enabled] : allEnabled) enabled = true;
    EXPECT_EQ(afterSave, allEnabled);
}

}  // namespace
}  // namespace e2e
