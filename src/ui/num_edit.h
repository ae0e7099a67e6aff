// TNumEdit: a single-line box for a number. It keeps a fixed-point value beside its text and
// turns whatever was typed into a clean number when the user leaves the box.
//
// Use: a window shows the model's Text(); it hands typed text in with SetText, characters
// with KeyPress (showing only what comes back), and calls DoExit when the box loses the
// focus. Whenever the model rewrites its own text, OnTextWritten tells the window to show it.
// In a form table the kind TControlKind::NumEdit does all of this (see TNumEditSpec).
#pragma once

#include "ui/form.h"
#include "ui/num_edit_text.h"

#include <functional>

namespace wyndrel::ui {

class TNumEdit {
public:
    using TNotifyEvent = std::function<void(TNumEdit& sender)>;
    using TKeyPressEvent = std::function<void(TNumEdit& sender, char32_t& key)>;

    // A new box shows "0", right-aligned.
    TNumEdit() = default;
    explicit TNumEdit(const TNumEditSpec& spec);

    const std::string& Text() const { return FText; }
    // The text as the user typed it; the value does not follow until the box is left.
    void SetText(std::string text) { FText = std::move(text); }

    TCurrency Value() const { return FValue; }
    // Stores the value and rewrites the text from it.
    void SetValue(TCurrency value);

    TAlignment Alignment() const { return FAlignment; }
    // A different alignment needs the box's window made again (OnRecreateWindow).
    void SetAlignment(TAlignment value);
    bool Thousands() const { return FFormat.Thousands; }
    // A different setting reformats the current text at once (EConvertError when it is no
    // number); the value stays.
    void SetThousands(bool value);
    std::uint8_t DecimalDidits() const { return FFormat.DecimalDidits; }
    void SetDecimalDidits(std::uint8_t value);
    TNumberFormat Format() const { return FFormat; }

    // Leaving the box: the text formatted with the box's settings, the value read from it.
    // Throws EConvertError with the message to show; then neither changes.
    void DoExit();
    // A typed character after the owner's OnKeyPress: the character that reaches the box, or
    // 0 when it is discarded (Enter always is; the owner may discard any).
    char32_t KeyPress(char32_t key);

    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnTextWritten;
    TNotifyEvent OnRecreateWindow;

private:
    void WriteText(std::string text);
    void Reformat();

    std::string FText = "0";
    TCurrency FValue = 0;
    TAlignment FAlignment = TAlignment::RightJustify;
    TNumberFormat FFormat;
};

}  // namespace wyndrel::ui
