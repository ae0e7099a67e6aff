// The fake view's controls, following the platform's rules where presenters rely on them.
#include "fakes/fake_view.h"

#include "text/utf8.h"
#include "ui/up_down.h"

#include <algorithm>
#include <stdexcept>

namespace wyndrel::fakes {

TFakeView::TFakeView(const ui::TFormSpec& form) {
    TFakeControl& window = FControls[ui::FormId];
    window.Text = form.Caption;
    window.Bounds = ui::Bounds(0, 0, form.ClientWidth, form.ClientHeight);
    window.Visible = false;
    for (const ui::TControlSpec& spec : form.Controls) {
        TFakeControl& control = FControls[spec.Id];
        control.Text = spec.Caption;
        control.Bounds = spec.Bounds;
        control.Enabled = !spec.Has(ui::Disabled);
        control.Visible = !spec.Has(ui::Hidden);
        control.Checked = spec.Has(ui::Checked);
        for (const ui::TColumnSpec& column : spec.Columns)
            control.ColumnWidths.push_back(column.Width);
        if (spec.Kind == ui::TControlKind::UpDown) {
            control.Min = spec.UpDown.Min;
            control.Max = spec.UpDown.Max;
            control.Position = spec.UpDown.Min;
            control.Buddy = spec.UpDown.Buddy;
            control.Thousands = spec.UpDown.Thousands;
        }
    }
    // The outer frame as a plain window adds it around the client area.
    FWindowRect = Rect{0, 0, form.ClientWidth + 2 * FrameWidth,
                       form.ClientHeight + FrameWidth + CaptionHeight};
}

const TFakeControl& TFakeView::Control(int id) const {
    auto found = FControls.find(id);
    if (found == FControls.end())
        throw std::out_of_range("the view has no control " + std::to_string(id));
    return found->second;
}

TFakeControl& TFakeView::At(int id) { return const_cast<TFakeControl&>(Control(id)); }

void TFakeView::SetText(int id, const std::string& text) {
    TFakeControl& control = At(id);
    control.Text = text;
    control.SelStart = 0;
    control.SelLength = 0;
}

void TFakeView::SetCaret(int id, std::size_t position) {
    TFakeControl& control = At(id);
    control.SelStart = std::min(position, text::CharacterCount(control.Text));
    control.SelLength = 0;
}

void TFakeView::SelectText(int id, std::size_t start, std::size_t length) {
    TFakeControl& control = At(id);
    control.SelStart = std::min(start, text::CharacterCount(control.Text));
    control.SelLength = std::min(length, text::CharacterCount(control.Text) - control.SelStart);
}

void TFakeView::ReplaceSelection(int id, const std::string& text) {
    TFakeControl& control = At(id);
    const std::size_t start = text::FirstCharacters(control.Text, control.SelStart).size();
    const std::size_t end =
        text::FirstCharacters(control.Text, control.SelStart + control.SelLength).size();
    control.Text.replace(start, end - start, text);
    control.SelStart += text::CharacterCount(text);
    control.SelLength = 0;
}

void TFakeView::SetItems(int id, const std::vector<std::string>& items) {
    TFakeControl& control = At(id);
    control.Items = items;
    control.Selection = -1;  // new entries clear the selection, as LB_RESETCONTENT does
}

void TFakeView::SetRows(int id, const std::vector<std::vector<std::string>>& rows) {
    TFakeControl& control = At(id);
    control.Rows = rows;
    control.Selection = -1;  // new rows clear the selection, as LVM_DELETEALLITEMS does
}

void TFakeView::SetPosition(int id, int position) {
    TFakeControl& control = At(id);
    control.Position = std::clamp(position, control.Min, control.Max);
    if (control.Buddy != 0)
        At(control.Buddy).Text = ui::UpDownText(control.Position, control.Thousands);
}

int TFakeView::CaptionWidth(int id) const {
    int width = 0;
    for (unsigned char c : Control(id).Text)
        if (c < 0x80)
            width += 6;
        else if (c >= 0xC0)
            width += 12;  // the lead byte of a wider character
    return width;
}

void TFakeView::SetSelection(int id, int index) {
    TFakeControl& control = At(id);
    const std::size_t count = control.Rows.empty() ? control.Items.size() : control.Rows.size();
    control.Selection = index >= 0 && index < static_cast<int>(count) ? index : -1;
}

void TFakeView::SetEnabled(int id, bool enabled) {
    At(id).Enabled = enabled;
    if (!enabled && FFocused == id) FFocused = ui::FormId;
}

void TFakeView::SetFocus(int id) {
    const TFakeControl& control = Control(id);
    // The platform refuses the focus to a control that cannot take it.
    if (control.Enabled && control.Visible) FFocused = id;
}

void TFakeView::Close() {
    FClosed = true;
    At(ui::FormId).Visible = false;
}

std::optional<int> TFakeView::TrackPopup(const ui::TMenuModel& menu, Point screenPoint) {
    FPopups.push_back({menu, screenPoint});
    if (DuringPopup) DuringPopup();
    if (FPopupChoices.empty()) return std::nullopt;
    std::optional<int> choice = FPopupChoices.front();
    FPopupChoices.pop_front();
    // Only an entry that is shown, enabled and not a submenu can be chosen.
    const ui::TMenuItem* item = choice ? menu.Find(*choice) : nullptr;
    if (choice && (!item || !item->Visible || !item->Enabled || !item->Items.empty()))
        throw std::logic_error("the scripted popup entry cannot be chosen: " +
                               std::to_string(*choice));
    return choice;
}

}  // namespace wyndrel::fakes
