// The user-interface port: the platform's message box, the toolkit's message dialog, the
// application title and the handling of pending messages.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <optional>
#include <string>

namespace wyndrel {

enum class TBoxIcon { None, Information, Question, Warning, Error };
enum class TBoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class TBoxAnswer { Ok, Cancel, Yes, No };

// MessageBox with explicit flags; owned by no window, by the desktop window, or by the
// program's active window (a dialog's own box, modal to it).
struct TMessageBox {
    std::string Text;
    std::optional<std::string> Caption;  // none: the platform's default caption
    TBoxIcon Icon = TBoxIcon::None;
    TBoxButtons Buttons = TBoxButtons::Ok;
    bool SystemModal = false;
    bool TopMost = false;
    bool Foreground = false;
    bool OwnedByDesktop = false;
    bool OwnedByActiveWindow = false;
    friend bool operator==(const TMessageBox&, const TMessageBox&) = default;
};

// The toolkit's message dialog: its type fixes the caption and the icon.
enum class TDialogType { Warning, Error, Information, Confirmation };

// The program's name: its application title while no stage is shown, and the caption of
// its own error box.
inline constexpr const char* ProgramName = "Wyndrel";

// The dialog's captions, as the user sees them.
inline constexpr const char* DialogCaptionWarning = "警告";
inline constexpr const char* DialogCaptionError = "エラー";
inline constexpr const char* DialogCaptionInformation = "情報";
inline constexpr const char* DialogCaptionConfirmation = "確認";

// Captions the program gives its platform boxes.
inline constexpr const char* CaptionInformation = DialogCaptionInformation;
inline constexpr const char* CaptionQuestion = "質問";

const char* DialogCaption(TDialogType type);

// The common open and save dialogs, modal to the program's window when it has one.
struct TFileDialog {
    std::string Title;
    std::string Filter;            // "label|patterns|label|patterns", as the toolkit writes it
    std::string DefaultExtension;  // without the dot
    std::string InitialFileName;
    std::string InitialFolder;           // "" for the platform's choice
    bool PromptBeforeOverwrite = false;  // save dialog
    bool FileMustExist = false;          // open dialog
    bool ShortcutsAsFiles = false;       // a shortcut is chosen as itself, not followed
    WindowId Owner;                      // none: the program's window
    friend bool operator==(const TFileDialog&, const TFileDialog&) = default;
};

class IUserInterface {
public:
    virtual ~IUserInterface() = default;

    virtual TBoxAnswer ShowMessageBox(const TMessageBox& box) = 0;
    virtual TBoxAnswer ShowMessageDialog(TDialogType type, const std::string& text,
                                         TBoxButtons buttons) = 0;

    // The chosen file's full path, or none when the user cancelled. Both dialogs hide the
    // read-only box, require an existing folder and can be resized.
    virtual std::optional<std::string> ShowOpenDialog(const TFileDialog& dialog) = 0;
    virtual std::optional<std::string> ShowSaveDialog(const TFileDialog& dialog) = 0;

    // The program's taskbar text.
    virtual void SetApplicationTitle(const std::string& title) = 0;
    virtual std::string ApplicationTitle() = 0;

    // The wait cursor over every window of the program while `busy`, else the normal one.
    virtual void SetBusyCursor(bool busy) = 0;

    // Handles every message already waiting, then returns.
    virtual void ProcessMessages() = 0;
    // Sleeps until a message arrives or `timeoutMs` pass, then handles what waits.
    virtual void WaitForMessages(std::uint32_t timeoutMs) = 0;
};

}  // namespace wyndrel
