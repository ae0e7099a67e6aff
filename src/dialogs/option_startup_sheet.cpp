// The start-up sheet's buttons, the delay switch, and its numeric boxes written and read as
// the boxes themselves write and read them.
#include "dialogs/option_startup_sheet.h"

#include "dialogs/option_form.h"
#include "dialogs/option_ids.h"
#include "ui/num_edit.h"

namespace wyndrel::dialogs {

using namespace option_ids;

namespace {

ui::TNumEdit NumberBox(int id) {
    const ui::TControlSpec* spec = OptionForm().Find(id);
    return spec ? ui::TNumEdit(spec->NumEdit) : ui::TNumEdit();
}

}  // namespace

void WriteNumberBox(ui::IView& view, int id, std::int64_t value) {
    ui::TNumEdit box = NumberBox(id);
    box.SetValue(ui::CurrencyFromInt(value));
    view.SetText(id, box.Text());
}

std::int64_t LeaveNumberBox(ui::IView& view, int id) {
    ui::TNumEdit box = NumberBox(id);
    box.SetText(view.Text(id));
    box.DoExit();
    view.SetText(id, box.Text());
    return ui::IntegerPart(box.Value());
}

bool TOptionStartupSheet::OnControl(const ui::TControlEvent& event) {
    if (event.Kind != ui::TControlEventKind::Click) return false;
    switch (event.Id) {
        case btnInsNowPos:
            btnInsNowPosClick();
            return true;
        case chkUseDelay:
            UseDelayChanged();
            return true;
        default:
            return false;
    }
}

void TOptionStartupSheet::OnKeyPress(int id, char32_t& key) const {
    if ((id == numLeft || id == numTop) && key == U'.') key = 0;
}

void TOptionStartupSheet::UseDelayChanged() {
    const bool on = FView.Checked(chkUseDelay);
    FView.SetEnabled(numDelay, on);
    FView.SetEnabled(udDelay, on);
}

Point TOptionStartupSheet::OwnerTopLeft() const {
    const std::optional<Rect> owner = FOwnerRect ? FOwnerRect() : std::nullopt;
    return owner ? Point{owner->Left, owner->Top} : Point{};
}

void TOptionStartupSheet::btnInsNowPosClick() {
    // The boxes only: the arrows take the boxes' numbers when next pressed.
    const Point at = OwnerTopLeft();
    WriteNumberBox(FView, numLeft, at.X);
    WriteNumberBox(FView, numTop, at.Y);
}

}  // namespace wyndrel::dialogs
