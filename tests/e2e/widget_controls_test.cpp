// The numeric box and the file-drop controls on real windows inside the test process: a
// dialog made from a small table with a presenter that records what reaches it.
#include "fakes/fake_user_interface.h"
#include "platform/win32/wide_string.h"
#include "support/desktop_probe.h"
#include "support/drop_files.h"
#include "support/keys.h"
#include "support/sample_form.h"
#include "ui/win32/form_dialog.h"

#include <gtest/gtest.h>

#include <future>

namespace e2e {
namespace {

using namespace wyndrel::ui;

enum : int { numValue = 100, txtOther, btnRealign, lbFiles, txtPath, btnOK, btnCancel };

TFormSpec WidgetForm() {
    TFormSpec form{"dlgWidgets", "部品", 260, 170, {}, false, {}};
    auto add = [&](int id, TControlKind kind, const char* name, const char* caption,
                   wyndrel::Rect bounds, std::uint32_t flags = NoFlags) {
        form.Controls.push_back(sample::MakeControl(id, kind, name, caption, bounds, flags));
        form.Controls.back().Drop = {true, true, true};
    };
    add(numValue, TControlKind::NumEdit, "numValue", "0", Bounds(8, 8, 80, 22));
    form.Controls.back().NumEdit.Format.Thousands = true;
    form.Controls.back().MaxLength = 8;
    add(txtOther, TControlKind::Edit, "txtOther", "", Bounds(96, 8, 80, 22));
    add(btnRealign, TControlKind::Button, "btnRealign", "中央(&C)", Bounds(184, 8, 68, 22));
    add(lbFiles, TControlKind::FileDropListBox, "lbFiles", "", Bounds(8, 36, 244, 70));
    add(txtPath, TControlKind::FileDropEdit, "txtPath", "Quillon.exe", Bounds(8, 110, 244, 22));
    add(btnOK, TControlKind::Button, "btnOK", "OK", Bounds(96, 140, 75, 24), DefaultButton);
    add(btnCancel, TControlKind::Button, "btnCancel", "キャンセル", Bounds(177, 140, 75, 24),
        CancelButton);
    return form;
}

struct TWidgetResult {
    std::u32string Keys;  // every character the presenter heard of
    std::vector<int> Changes;
    std::vector<std::vector<std::string>> Queries;
    std::vector<int> Finished;
    std::string NumberOnOk;
    wyndrel::ui::TCurrency Value = 0;
    std::vector<std::string> Errors;
};

// Discards ".", refuses drops holding a ".tmp" file, focuses the numeric box at the start and
// again on btnRealign (after centring it), and closes on OK with the box's text and value.
class TWidgetPresenter : public IFormEvents {
public:
    TWidgetPresenter(IView& view, std::function<TNumEdit&()> box)
        : FView(view), FBox(std::move(box)) {}
    void OnShow() override { FView.SetFocus(numValue); }
    void OnControl(const TControlEvent& event) override {
        if (event.Kind == TControlEventKind::Change) FResult.Changes.push_back(event.Id);
        if (event.Kind != TControlEventKind::Click) return;
        if (event.Id == btnRealign) {
            FBox().SetAlignment(TAlignment::Center);
            FView.SetFocus(numValue);
        }
        if (event.Id == btnOK) {
            FResult.NumberOnOk = FView.Text(numValue);
            FResult.Value = FBox().Value();
        }
        if (event.Id == btnOK || event.Id == btnCancel) FView.Close();
    }
    void OnKeyPress(int id, char32_t& key) override {
        EXPECT_EQ(id, numValue);
        FResult.Keys += key;
        if (key == U'.') key = 0;
    }
    void OnDropQuery(int, std::vector<std::string>& paths, bool& accept) override {
        FResult.Queries.push_back(paths);
        for (const auto& path : paths) accept = accept && !path.ends_with(".tmp");
    }
    void OnDropFinished(int id) override { FResult.Finished.push_back(id); }
    TWidgetResult FResult;

private:
    IView& FView;
    std::function<TNumEdit&()> FBox;
};

std::future<TWidgetResult> StartWidgetDialog() {
    return std::async(std::launch::async, [] {
        wyndrel::fakes::TFakeUserInterface ui;
        win32::TFormDialog dialog(WidgetForm(), ui);
        TWidgetPresenter presenter(dialog.View(), [&]() -> TNumEdit& {
            return dialog.Binder().NumEdit(numValue)->Model();
        });
        dialog.SetEvents(presenter);
        dialog.ShowModal(nullptr);
        TWidgetResult result = presenter.FResult;
        for (const auto& message : ui.Messages()) result.Errors.push_back(message.Text);
        return result;
    });
}

void Type(HWND control, const std::wstring& text) {
    for (wchar_t c : text) ::SendMessageW(control, WM_CHAR, c, 1);
}

void Click(HWND dialog, int id) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

LONG_PTR StyleOf(HWND dialog, int id) {
    return ::GetWindowLongPtrW(::GetDlgItem(dialog, id), GWL_STYLE);
}

TEST(NumEditOnWin32, FiltersTypedTextCleansItOnLeavingAndLeavesEnterToTheDefaultButton) {
    auto result = StartWidgetDialog();
    HWND dialog = WaitForDialog(L"部品");
    ASSERT_NE(dialog, nullptr);
    HWND box = ::GetDlgItem(dialog, numValue);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(dialog) == box; }, 5000));
    EXPECT_EQ(StyleOf(dialog, numValue) & (ES_RIGHT | ES_CENTER), ES_RIGHT);

    ::SetWindowTextW(box, L"");
    Type(box, L"12.ab345\r");
    EXPECT_EQ(WindowText(box), L"12ab345");  // the owner's "." and Enter never reach the box
    PressKey(dialog, VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(box) == L"12,345"; }, 5000));

    // A new alignment makes the box again: same place in the tab order, text, limit and rules.
    Click(dialog, btnRealign);
    ASSERT_TRUE(WaitUntil([&] { return ::GetDlgItem(dialog, numValue) != box; }, 5000));
    box = ::GetDlgItem(dialog, numValue);
    EXPECT_EQ(StyleOf(dialog, numValue) & (ES_RIGHT | ES_CENTER), ES_CENTER);
    EXPECT_EQ(WindowText(box), L"12,345");
    EXPECT_EQ(::SendMessageW(box, EM_GETLIMITTEXT, 0, 0), 8);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(dialog) == box; }, 5000));
    EXPECT_EQ(::GetWindow(box, GW_HWNDNEXT), ::GetDlgItem(dialog, txtOther));

    // No number: the text stays and the error comes once the focus has moved.
    ::SetWindowTextW(box, L"1-2");
    PressKey(dialog, VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(dialog) == ::GetDlgItem(dialog, txtOther); }, 5000));
    Click(dialog, btnRealign);  // centred already: only the focus comes back
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(dialog) == box; }, 5000));
    EXPECT_EQ(WindowText(box), L"1-2");
    ::SetWindowTextW(box, L"7");
    PressKey(dialog, VK_RETURN);

    ASSERT_EQ(result.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    TWidgetResult closed = result.get();
    EXPECT_EQ(closed.Keys, U"12.ab345\r\r");
    EXPECT_EQ(closed.NumberOnOk, "7");
    EXPECT_EQ(closed.Value, 123450000);  // taken on leaving, not by Enter
    EXPECT_EQ(closed.Errors, std::vector<std::string>{"'1-2' は浮動小数点数ではありません"});
}

TEST(FileDropControlsOnWin32, TakeWholePathsAskThePresenterAndReleaseEveryDrop) {
    auto result = StartWidgetDialog();
    HWND dialog = WaitForDialog(L"部品");
    ASSERT_NE(dialog, nullptr);
    HWND list = ::GetDlgItem(dialog, lbFiles), path = ::GetDlgItem(dialog, txtPath);
    EXPECT_TRUE(::GetWindowLongPtrW(list, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_TRUE(::GetWindowLongPtrW(path, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

    const std::wstring longPath = L"C:\\" + std::wstring(300, L'長') + L".txt";
    std::vector<HDROP> drops{MakeDrop({L"C:\\a.txt", longPath}),
                             MakeDrop({L"C:\\b.txt", L"C:\\c.tmp"}),
                             MakeDrop({L"C:\\Q\\Quillon.exe", L"C:\\other.exe"})};
    ::SendMessageW(list, WM_DROPFILES, reinterpret_cast<WPARAM>(drops[0]), 0);
    ::SendMessageW(list, WM_DROPFILES, reinterpret_cast<WPARAM>(drops[1]), 0);
    ::SendMessageW(path, WM_DROPFILES, reinterpret_cast<WPARAM>(drops[2]), 0);
    for (HDROP drop : drops) EXPECT_TRUE(DropReleased(drop));

    EXPECT_EQ(::SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    std::wstring second(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, 1, 0)), L'\0');
    ::SendMessageW(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(second.data()));
    EXPECT_EQ(second, longPath);
    EXPECT_EQ(WindowText(path), L"C:\\Q\\Quillon.exe");

    Click(dialog, btnCancel);
    ASSERT_EQ(result.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    TWidgetResult closed = result.get();
    EXPECT_EQ(closed.Queries, (std::vector<std::vector<std::string>>{
                                  {"C:\\a.txt", wyndrel::win32::Narrow(longPath)},
                                  {"C:\\b.txt", "C:\\c.tmp"},
                                  {"C:\\Q\\Quillon.exe"}}));
    EXPECT_EQ(closed.Finished, std::vector<int>{lbFiles});
    EXPECT_EQ(closed.Changes, std::vector<int>{txtPath});
}

}  // namespace
}  // namespace e2e
