// The input box on Win32: a modal dialog made from its form table, over the program's window.
#pragma once

#include "platform/user_interface.h"
#include "platform/win32/windows_header.h"
#include "ui/input_box.h"

namespace wyndrel::ui::win32 {

class TInputBoxDialog : public IInputBox {
public:
    // `owner` is disabled while the box is up; none for a box of its own on the desktop.
    TInputBoxDialog(IUserInterface& ui, HWND owner) : FUi(ui), FOwner(owner) {}

    std::optional<std::string> InputQuery(const std::string& caption, const std::string& prompt,
                                          const std::string& text) override;

private:
    IUserInterface& FUi;
    HWND FOwner;
};

}  // namespace wyndrel::ui::win32
