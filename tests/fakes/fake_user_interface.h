// A user interface that answers questions from a script and records every box, dialog and
// title change in order, so a test asserts on exact texts.
#pragma once

#include "platform/user_interface.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace wyndrel::fakes {

struct TUiEvent {
    enum class TKind { Box, Dialog, Title, FileDialog };
    TKind Kind = TKind::Title;
    std::string Text;  // the box's or dialog's text, or the new title
    TMessageBox Box;   // for a box
    TDialogType DialogType = TDialogType::Information;  // for a dialog
    TBoxButtons Buttons = TBoxButtons::Ok;              // for a box or a dialog
    TFileDialog File;                                   // for an open or save dialog
};

class TFakeUserInterface : public IUserInterface {
public:
    // The answers to the next questions, in order. A box with only an OK button is
    // answered OK and takes no scripted answer; an unscripted question is a test error.
    void Answer(TBoxAnswer answer) { FAnswers.push_back(answer); }
    // The answer to the next open or save dialog: a path, or none for Cancel.
    void ChooseFile(std::optional<std::string> path) { FChosenFiles.push_back(std::move(path)); }
    // Runs at every handling of pending messages; `elapsedMs` is the time the wait slept.
    void OnPump(std::function<void(std::uint32_t elapsedMs)> pump) { FPump = std::move(pump); }
    // Runs while an open or save dialog is on screen, before it is answered.
    std::function<void()> DuringFileDialog;
    // Runs while a box or message dialog is on screen, before it is answered: a real one
    // handles the thread's messages meanwhile.
    std::function<void()> DuringBox;

    const std::vector<TUiEvent>& Events() const { return FEvents; }
    std::vector<TUiEvent> Messages() const;   // boxes and dialogs only
    std::vector<std::string> Titles() const;  // every title set, in order
    int PumpCount() const { return FPumps; }
    bool BusyCursor() const { return FBusyCursor; }

    TBoxAnswer ShowMessageBox(const TMessageBox& box) override;
    TBoxAnswer ShowMessageDialog(TDialogType type, const std::string& text,
                                 TBoxButtons buttons) override;
    std::optional<std::string> ShowOpenDialog(const TFileDialog& dialog) override {
        return FileDialog(dialog);
    }
    std::optional<std::string> ShowSaveDialog(const TFileDialog& dialog) override {
        return FileDialog(dialog);
    }
    void SetApplicationTitle(const std::string& title) override;
    std::string ApplicationTitle() override { return FTitle; }
    void SetBusyCursor(bool busy) override { FBusyCursor = busy; }
    void ProcessMessages() override;
    void WaitForMessages(std::uint32_t timeoutMs) override;

private:
    TBoxAnswer NextAnswer(TBoxButtons buttons, const std::string& text);
    std::optional<std::string> FileDialog(const TFileDialog& dialog);

    std::deque<TBoxAnswer> FAnswers;
    std::deque<std::optional<std::string>> FChosenFiles;
    std::vector<TUiEvent> FEvents;
    std::function<void(std::uint32_t)> FPump;
    std::string FTitle = ProgramName;
    int FPumps = 0;
    bool FBusyCursor = false;
};

}  // namespace wyndrel::fakes
