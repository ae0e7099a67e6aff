// The sample form's table, menu and presenter.
#include "support/sample_form.h"

namespace e2e::sample {

using namespace wyndrel::ui;

TControlSpec MakeControl(int id, TControlKind kind, const char* name, const char* caption,
                         wyndrel::Rect bounds, std::uint32_t flags, const char* hint) {
    TControlSpec control;
    control.Id = id;
    control.Kind = kind;
    control.Name = name;
    control.Caption = caption;
    control.Bounds = bounds;
    control.Flags = flags;
    control.Hint = hint;
    return control;
}

TFormSpec SampleForm() {
    TFormSpec form;
    form.Name = "dlgSample";
    form.Caption = "サンプル";
    form.ClientWidth = 240;
    form.ClientHeight = 124;
    auto add = [&](int id, TControlKind kind, const char* name, const char* caption,
                   wyndrel::Rect bounds, std::uint32_t flags = NoFlags, const char* hint = "") {
        form.Controls.push_back(MakeControl(id, kind, name, caption, bounds, flags, hint));
    };
    add(lblName, TControlKind::Label, "lblName", "名前(&N):", Bounds(8, 10, 56, 16));
    add(txtName, TControlKind::Edit, "txtName", "", Bounds(66, 6, 166, 22), NoFlags,
        "名前を入れます。\r二行目のヒントです。");
    add(chkTop, TControlKind::CheckBox, "chkTop", "最前面(&T)", Bounds(8, 34, 120, 18));
    add(btnMenu, TControlKind::Button, "btnMenu", "メニュー(&M)", Bounds(136, 32, 96, 25), NoFlags,
        "ポップアップメニューを開きます。");
    add(lblEcho, TControlKind::Label, "lblEcho", "", Bounds(8, 64, 224, 16));
    add(btnOK, TControlKind::Button, "btnOK", "OK", Bounds(78, 92, 75, 25), DefaultButton);
    add(btnCancel, TControlKind::Button, "btnCancel", "キャンセル", Bounds(158, 92, 75, 25),
        CancelButton);
    return form;
}

TMenuModel SampleMenu(bool checked) {
    TMenuModel menu({TMenuItem::Command(pmFirst, "pmFirst", "最初(&F)", 4),
                     TMenuItem::Command(pmChecked, "pmChecked", "最前面(&T)"),
                     TMenuItem::Command(pmDisabled, "pmDisabled", "使えません(&D)"),
                     TMenuItem::Line("N1"),
                     TMenuItem::Submenu(pmSub, "pmSub", "その他(&O)",
                                        {TMenuItem::Command(pmInner, "pmInner", "中(&I)")}),
                     TMenuItem::Command(pmHidden, "pmHidden", "隠れています"),
                     TMenuItem::Command(pmNextColumn, "pmNextColumn", "次の列(&C)")});
    menu.Item(pmChecked).Checked = checked;
    menu.Item(pmDisabled).Enabled = false;
    menu.Item(pmHidden).Visible = false;
    menu.Item(pmNextColumn).ColumnBreak = true;
    return menu;
}

void TSamplePresenter::OnShow() {
    FView.SetFocus(txtName);
    FTimer.Start(30);
}

void TSamplePresenter::OnControl(const TControlEvent& event) {
    if (event.Id == txtName && event.Kind == TControlEventKind::Change) {
        FView.SetText(lblEcho, "こんにちは、" + FView.Text(txtName));
    } else if (event.Id == btnMenu && event.Kind == TControlEventKind::Click) {
        FResult.MenuChoice = FView.TrackPopup(SampleMenu(FView.Checked(chkTop)), {200, 200});
    } else if (event.Id == btnOK && event.Kind == TControlEventKind::Click) {
        FResult.Confirmed = true;
        FResult.Name = FView.Text(txtName);
        FView.Close();
    } else if (event.Id == btnCancel && event.Kind == TControlEventKind::Click) {
        FView.Close();
    }
}

void TSamplePresenter::OnTimer(int timerId) {
    if (timerId != SampleTimer) return;
    FTimer.Stop();
    FView.SetChecked(chkTop, true);
}

}  // namespace e2e::sample
