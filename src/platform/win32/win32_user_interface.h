// The user-interface port on Win32: MessageBoxW for the boxes and the message dialog, the
// title of the program's taskbar window, and the message pump.
#pragma once

#include "platform/user_interface.h"
#include "platform/win32/windows_header.h"

namespace wyndrel::win32 {

class TWin32UserInterface : public IUserInterface {
public:
    // The window whose text is the program's taskbar text and that owns its dialogs;
    // none in command mode, where the title is only kept.
    void SetApplicationWindow(HWND window) { FApplicationWindow = window; }

    TBoxAnswer ShowMessageBox(const TMessageBox& box) override;
    TBoxAnswer ShowMessageDialog(TDialogType type, const std::string& text,
                                 TBoxButtons buttons) override;
    std::optional<std::string> ShowOpenDialog(const TFileDialog& dialog) override;
    std::optional<std::string> ShowSaveDialog(const TFileDialog& dialog) override;
    void SetApplicationTitle(const std::string& title) override;
    std::string ApplicationTitle() override { return FTitle; }
    void SetBusyCursor(bool busy) override;
    void ProcessMessages() override;
    void WaitForMessages(std::uint32_t timeoutMs) override;

private:
    HWND FApplicationWindow = nullptr;
    std::string FTitle = ProgramName;
    HCURSOR FCursorBeforeBusy = nullptr;
    bool FBusy = false;
};

}  // namespace wyndrel::win32
