// The building blocks on real controls inside the test process: a modal dialog made from the
// sample form's table with its presenter, read back with the controls' own messages.
#include "fakes/fake_user_interface.h"
#include "platform/win32/wide_string.h"
#include "support/desktop_probe.h"
#include "support/drop_files.h"
#include "support/keys.h"
#include "support/sample_form.h"
#include "ui/scaling.h"
#include "ui/win32/dropped_files.h"
#include "ui/win32/form_dialog.h"
#include "ui/win32/popup_menu.h"
#include "ui/win32/tooltips.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <future>

namespace e2e {
namespace {

using namespace e2e::sample;
using wyndrel::ui::ScaleToDpi;

// Runs the sample dialog on its own thread, as the program's modal loop runs it.
std::future<TSampleResult> StartSampleDialog() {
    return std::async(std::launch::async, [] {
        wyndrel::fakes::TFakeUserInterface ui;
        wyndrel::ui::win32::TFormDialog dialog(SampleForm(), ui);
        TSamplePresenter presenter(dialog.View(), dialog.Timer(SampleTimer));
        dialog.SetEvents(presenter);
        dialog.ShowModal(nullptr);
        return presenter.Result();
    });
}

RECT ClientRectOf(HWND dialog, int id) {
    RECT rect{};
    HWND control = ::GetDlgItem(dialog, id);
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectGeometryAt(HWND dialog, int dpi) {
    const wyndrel::ui::TFormSpec form = SampleForm();
    RECT client{};
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, ScaleToDpi(form.ClientWidth, dpi));
    EXPECT_EQ(client.bottom, ScaleToDpi(form.ClientHeight, dpi));
    for (const auto& control : form.Controls) {
        const wyndrel::Rect expected = ScaleToDpi(control.Bounds, dpi);
        RECT actual = ClientRectOf(dialog, control.Id);
        EXPECT_EQ((wyndrel::Rect{actual.left, actual.top, actual.right, actual.bottom}), expected)
            << control.Name;
        LOGFONTW font{};
        ::GetObjectW(reinterpret_cast<HFONT>(
                         ::SendMessageW(::GetDlgItem(dialog, control.Id), WM_GETFONT, 0, 0)),
                     sizeof(font), &font);
        EXPECT_EQ(font.lfHeight, -ScaleToDpi(12, dpi)) << control.Name;
        EXPECT_STREQ(font.lfFaceName, L"ＭＳ Ｐゴシック") << control.Name;
    }
}

std::wstring HintOf(HWND tooltip, HWND dialog, int id) {
    wchar_t text[256] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(dialog, id));
    tool.lpszText = text;
    ::SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return text;
}

TEST(FormDialogOnWin32, BuildsTheTableScaledRoutesEventsAndEndsOnEnter) {
    auto result = StartSampleDialog();
    HWND dialog = WaitForDialog(L"サンプル");
    ASSERT_NE(dialog, nullptr);
    ExpectGeometryAt(dialog, 96);

    HWND tooltip = TooltipOf(dialog);
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(::SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 2);
    EXPECT_EQ(::SendMessageW(tooltip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0),
              wyndrel::ui::win32::HintDisplayMs);
    EXPECT_GT(::SendMessageW(tooltip, TTM_GETMAXTIPWIDTH, 0, 0), 0);  // multi-line
    EXPECT_EQ(HintOf(tooltip, dialog, txtName), L"名前を入れます。\r\n二行目のヒントです。");

    // The presenter's focus, then Tab past the label-less check box order of the table.
    EXPECT_EQ(FocusOf(dialog), ::GetDlgItem(dialog, txtName));
    PressKey(dialog, VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(dialog) == ::GetDlgItem(dialog, chkTop); }, 5000));
    // The presenter's timer ticks inside the dialog.
    EXPECT_TRUE(
        WaitUntil([&] { return ::IsDlgButtonChecked(dialog, chkTop) == BST_CHECKED; }, 5000));
    // A change notification reaches the presenter as a typed event.
    ::SendMessageW(::GetDlgItem(dialog, txtName), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"山田"));
    EXPECT_EQ(WindowText(::GetDlgItem(dialog, lblEcho)), L"こんにちは、山田");

    // The window's new DPI scales every rectangle and font; back at 96 all is as the table.
    RECT suggested{};
    ::GetWindowRect(dialog, &suggested);
    ::SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&suggested));
    ExpectGeometryAt(dialog, 144);
    ::SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
    ExpectGeometryAt(dialog, 96);

    PressKey(dialog, VK_RETURN);
    ASSERT_EQ(result.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    TSampleResult closed = result.get();
    EXPECT_TRUE(closed.Confirmed);
    EXPECT_EQ(closed.Name, "山田");
}

TEST(FormDialogOnWin32, EscPressesTheCancelButtonAndAMenuCommandComesBackChosen) {
    auto result = StartSampleDialog();
    HWND dialog = WaitForDialog(L"サンプル");
    ASSERT_NE(dialog, nullptr);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(btnMenu, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, btnMenu)));
    std::vector<HWND> menus;
    ASSERT_TRUE(
        WaitUntil([&] { return !(menus = TopLevelWindowsOfClass(L"#32768")).empty(); }, 5000));
    // Down to the first entry, Enter to choose it.
    ::PostMessageW(menus[0], WM_KEYDOWN, VK_DOWN, 1);
    ::PostMessageW(menus[0], WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(WaitUntil(
        [] {
            std::vector<HWND> open = TopLevelWindowsOfClass(L"#32768");
            return open.empty() || !::IsWindowVisible(open[0]);
        },
        5000));

    ::SetForegroundWindow(dialog);
    PressKey(dialog, VK_ESCAPE);
    ASSERT_EQ(result.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    TSampleResult closed = result.get();
    EXPECT_FALSE(closed.Confirmed);
    EXPECT_EQ(closed.MenuChoice, std::optional<int>(pmFirst));
}

struct TReadItem {
    std::wstring Caption;
    UINT Type = 0, State = 0, Id = 0;
    ULONG_PTR Data = 0;
    HMENU Submenu = nullptr;
};

TReadItem ReadItem(HMENU menu, int position) {
    wchar_t caption[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = 128;
    ::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    return {caption, info.fType, info.fState, info.wID, info.dwItemData, info.hSubMenu};
}

TEST(PopupMenuOnWin32, BuildsTheModelWithItsStatesAndLeavesHiddenEntriesOut) {
    wyndrel::win32::TUniqueMenu menu = wyndrel::ui::win32::BuildPopupMenu(SampleMenu(true));
    ASSERT_EQ(::GetMenuItemCount(menu.Get()), 6);  // seven entries, one hidden
    TReadItem first = ReadItem(menu.Get(), 0);
    EXPECT_EQ(first.Caption, L"最初(&F)");
    EXPECT_EQ(first.Id, static_cast<UINT>(pmFirst));
    EXPECT_EQ(first.Data, 4u);  // the tag
    EXPECT_TRUE(ReadItem(menu.Get(), 1).State & MFS_CHECKED);
    EXPECT_TRUE(ReadItem(menu.Get(), 2).State & MFS_DISABLED);
    EXPECT_FALSE(ReadItem(menu.Get(), 1).State & MFS_DISABLED);
    EXPECT_TRUE(ReadItem(menu.Get(), 3).Type & MFT_SEPARATOR);
    TReadItem sub = ReadItem(menu.Get(), 4);
    ASSERT_NE(sub.Submenu, nullptr);
    EXPECT_EQ(ReadItem(sub.Submenu, 0).Caption, L"中(&I)");
    TReadItem last = ReadItem(menu.Get(), 5);
    EXPECT_EQ(last.Caption, L"次の列(&C)");
    EXPECT_TRUE(last.Type & MFT_MENUBREAK);
}

TEST(DroppedFilesOnWin32, ComeInTheDropsOrderWithLongAndJapaneseNamesWhole) {
    const std::wstring longName = L"C:\\" + std::wstring(300, L'a') + L".qdl";
    HDROP drop = MakeDrop({L"C:\\レイアウト\\作業.qdl", longName});
    EXPECT_EQ(
        wyndrel::ui::win32::TakeDroppedFiles(drop),
        (std::vector<std::string>{"C:\\レイアウト\\作業.qdl", wyndrel::win32::Narrow(longName)}));
}

}  // namespace
}  // namespace e2e
