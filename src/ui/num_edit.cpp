// The numeric box's properties and what leaving it and typing into it do.
#include "ui/num_edit.h"

namespace wyndrel::ui {

namespace {
constexpr char32_t Enter = U'\r';
}

TNumEdit::TNumEdit(const TNumEditSpec& spec) : FAlignment(spec.Alignment), FFormat(spec.Format) {}

void TNumEdit::SetValue(TCurrency value) {
    FValue = value;
    WriteText(NumEditTextForValue(value, FFormat));
}

void TNumEdit::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    if (OnRecreateWindow) OnRecreateWindow(*this);
}

void TNumEdit::SetThousands(bool value) {
    if (value == FFormat.Thousands) return;
    FFormat.Thousands = value;
    Reformat();
}

void TNumEdit::SetDecimalDidits(std::uint8_t value) {
    if (value == FFormat.DecimalDidits) return;
    FFormat.DecimalDidits = value;
    Reformat();
}

void TNumEdit::DoExit() {
    TNumEditExit left = LeaveNumEditText(FText, FFormat);
    FValue = left.Value;
    WriteText(std::move(left.Text));
}

char32_t TNumEdit::KeyPress(char32_t key) {
    if (OnKeyPress) OnKeyPress(*this, key);
    // Enter belongs to the dialog's default button, never to the box: no beep, no line break.
    return key == Enter ? 0 : key;
}

void TNumEdit::WriteText(std::string text) {
    FText = std::move(text);
    if (OnTextWritten) OnTextWritten(*this);
}

void TNumEdit::Reformat() { WriteText(FormatNumberText(FText, FFormat)); }

}  // namespace wyndrel::ui
