// The running-editors list on real controls inside the test process, over real editors: the
// rows read back from the list view, a double click, and widths and bounds kept across two
// openings.
#include "dialogs/quillon_list_ids.h"
#include "dialogs/win32/quillon_list_window.h"
#include "fakes/fake_files.h"
#include "fakes/fake_user_interface.h"
#include "layout/layout_engine.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_desktop.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "ui/win32/list_view.h"

#include <gtest/gtest.h>

#include <future>

namespace e2e {
namespace {

using namespace wyndrel::dialogs::list_ids;
using wyndrel::win32::Narrow;

// The list on its own thread, as the program's modal loop runs it, with its settings in
// memory that outlive each opening.
class TListRun {
public:
    TListRun() { Ini.IniFileName = "C:\\wyndrel.ini"; }
    std::future<void> Open() {
        return std::async(std::launch::async, [this] {
            wyndrel::fakes::TFakeUserInterface ui;
            wyndrel::win32::TWin32Desktop desktop;
            wyndrel::layout::TLayoutEngine engine(desktop);
            auto capture = [&engine] { return engine.CaptureEditors(); };
            wyndrel::dialogs::win32::ShowQuillonList(nullptr,
                                                     {Ini, ui, desktop, Activation, capture, {}});
        });
    }
    wyndrel::fakes::TFakeFiles Files;
    wyndrel::settings::TIniAccess Ini{Files};
    wyndrel::ui::TAppActivation Activation;
};

void CloseList(HWND list, std::future<void>& run) {
    ASSERT_TRUE(PressDialogButtonById(list, btnClose));
    ASSERT_EQ(run.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    run.get();
}

std::vector<std::string> ExpectedRow(HWND editor) {
    const RECT rect = WindowRectangle(editor);
    return {Narrow(EditorPath(editor)),
            std::to_string(rect.left),
            std::to_string(rect.top),
            std::to_string(rect.right - rect.left),
            std::to_string(rect.bottom - rect.top),
            std::to_string(EditorCaret(editor))};
}

TEST(QuillonListOnWin32, ListsTheOpenEditorsBringsOneForwardAndReopensWithItsWidthsAndBounds) {
    TTempFolder folder;
    TProcessGuard processes;
    ASSERT_NE(processes.OpenEditor(folder.File(L"a.txt")), nullptr);
    ASSERT_NE(processes.OpenEditor(folder.File(L"b.txt")), nullptr);
    TListRun run;
    std::future<void> first = run.Open();
    HWND dialog = WaitForDialog(L"Quillonリスト");
    ASSERT_NE(dialog, nullptr);
    HWND list = ::GetDlgItem(dialog, LV);

    const std::vector<HWND> editors = TopLevelWindowsOfClass(L"TQuillonMainForm");
    ASSERT_EQ(editors.size(), 2u);
    const std::vector<std::vector<std::string>> expected{ExpectedRow(editors[0]),
                                                         ExpectedRow(editors[1])};
    EXPECT_EQ(wyndrel::ui::win32::ListRows(list), expected);

    wyndrel::ui::win32::SetListSelection(list, 1);
    NMHDR doubleClick{list, static_cast<UINT_PTR>(LV), static_cast<UINT>(NM_DBLCLK)};
    ::SendMessageW(dialog, WM_NOTIFY, LV, reinterpret_cast<LPARAM>(&doubleClick));
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == editors[1]; }, 5000));

    ::SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(300, 0));
    ::SetWindowPos(dialog, nullptr, 60, 70, 640, 360, SWP_NOZORDER | SWP_NOACTIVATE);
    CloseList(dialog, first);

    std::future<void> second = run.Open();
    dialog = WaitForDialog(L"Quillonリスト");
    ASSERT_NE(dialog, nullptr);
    const RECT bounds = WindowRectangle(dialog);
    EXPECT_EQ((wyndrel::Rect{bounds.left, bounds.top, bounds.right, bounds.bottom}),
              (wyndrel::Rect{60, 70, 700, 430}));
    EXPECT_EQ(::SendMessageW(::GetDlgItem(dialog, LV), LVM_GETCOLUMNWIDTH, 0, 0), 300);
    // The close button stays centred across the wider client area.
    RECT client{}, button{};
    ::GetClientRect(dialog, &client);
    ::GetWindowRect(::GetDlgItem(dialog, btnClose), &button);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
    EXPECT_LE(std::abs((button.left - client.left) - (client.right - button.right)), 1);
    CloseList(dialog, second);
}

}  // namespace
}  // namespace e2e
