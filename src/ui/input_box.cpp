// The input box's controls and its presenter.
#include "ui/input_box.h"

namespace wyndrel::ui {

using namespace input_box_ids;

TFormSpec InputBoxForm(const std::string& caption, const std::string& prompt) {
    TFormSpec form;
    form.Name = "InputBox";
    form.Caption = caption;
    form.ClientWidth = 320;
    form.ClientHeight = 96;
    form.Font = {TFontFace::PGothic, 12};
    auto add = [&form](int id, TControlKind kind, const char* name, std::string text, Rect bounds,
                       std::uint32_t flags) {
        TControlSpec control;
        control.Id = id;
        control.Kind = kind;
        control.Name = name;
        control.Caption = std::move(text);
        control.Bounds = bounds;
        control.Font = form.Font;
        control.Flags = flags;
        form.Controls.push_back(std::move(control));
    };
    add(lblPrompt, TControlKind::Label, "lblPrompt", prompt, Bounds(12, 12, 296, 16), NoFlags);
    add(txtValue, TControlKind::Edit, "txtValue", "", Bounds(12, 32, 296, 21), NoFlags);
    add(btnOK, TControlKind::Button, "btnOK", "OK", Bounds(152, 63, 75, 25), DefaultButton);
    add(btnCancel, TControlKind::Button, "btnCancel", "キャンセル", Bounds(233, 63, 75, 25),
        CancelButton);
    return form;
}

void TInputBoxPresenter::OnShow() {
    FView.SetText(txtValue, FText);
    FView.SetFocus(txtValue);
}

void TInputBoxPresenter::OnControl(const TControlEvent& event) {
    if (event.Kind != TControlEventKind::Click) return;
    if (event.Id == btnOK) FResult = FView.Text(txtValue);
    if (event.Id == btnOK || event.Id == btnCancel) FView.Close();
}

}  // namespace wyndrel::ui
