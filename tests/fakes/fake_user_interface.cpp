// The scripted user interface.
#include "fakes/fake_user_interface.h"

#include <stdexcept>

namespace wyndrel::fakes {

TBoxAnswer TFakeUserInterface::NextAnswer(TBoxButtons buttons, const std::string& text) {
    if (buttons == TBoxButtons::Ok) return TBoxAnswer::Ok;
    if (FAnswers.empty()) throw std::logic_error("unscripted question: " + text);
    TBoxAnswer answer = FAnswers.front();
    FAnswers.pop_front();
    return answer;
}

std::vector<TUiEvent> TFakeUserInterface::Messages() const {
    std::vector<TUiEvent> messages;
    for (const TUiEvent& event : FEvents)
        if (event.Kind != TUiEvent::TKind::Title) messages.push_back(event);
    return messages;
}

std::vector<std::string> TFakeUserInterface::Titles() const {
    std::vector<std::string> titles;
    for (const TUiEvent& event : FEvents)
        if (event.Kind == TUiEvent::TKind::Title) titles.push_back(event.Text);
    return titles;
}

TBoxAnswer TFakeUserInterface::ShowMessageBox(const TMessageBox& box) {
    TUiEvent event;
    event.Kind = TUiEvent::TKind::Box;
    event.Text = box.Text;
    event.Box = box;
    event.Buttons = box.Buttons;
    FEvents.push_back(event);
    if (DuringBox) DuringBox();
    return NextAnswer(box.Buttons, box.Text);
}

TBoxAnswer TFakeUserInterface::ShowMessageDialog(TDialogType type, const std::string& text,
                                                 TBoxButtons buttons) {
    TUiEvent event;
    event.Kind = TUiEvent::TKind::Dialog;
    event.Text = text;
    event.DialogType = type;
    event.Buttons = buttons;
    FEvents.push_back(event);
    if (DuringBox) DuringBox();
    return NextAnswer(buttons, text);
}

std::optional<std::string> TFakeUserInterface::FileDialog(const TFileDialog& dialog) {
    TUiEvent event;
    event.Kind = TUiEvent::TKind::FileDialog;
    event.Text = dialog.Title;
    event.File = dialog;
    FEvents.push_back(event);
    if (DuringFileDialog) DuringFileDialog();
    if (FChosenFiles.empty()) throw std::logic_error("unscripted file dialog: " + dialog.Title);
    auto chosen = FChosenFiles.front();
    FChosenFiles.pop_front();
    return chosen;
}

void TFakeUserInterface::SetApplicationTitle(const std::string& title) {
    FTitle = title;
    TUiEvent event;
    event.Kind = TUiEvent::TKind::Title;
    event.Text = title;
    FEvents.push_back(event);
}

void TFakeUserInterface::ProcessMessages() {
    ++FPumps;
    if (FPump) FPump(0);
}

void TFakeUserInterface::WaitForMessages(std::uint32_t timeoutMs) {
    ++FPumps;
    if (FPump) FPump(timeoutMs);
}

}  // namespace wyndrel::fakes
