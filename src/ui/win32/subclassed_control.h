// The base of controls that add behaviour to a standard control by subclassing its window:
// messages pass through OnMessage first, behind the program's exception barrier.
#pragma once

#include "platform/user_interface.h"
#include "platform/win32/windows_header.h"

namespace wyndrel::ui::win32 {

class TSubclassedControl {
public:
    // Subclasses `control`; errors of a handler are shown in `ui`'s error dialog (the
    // platform's box owned by the control's parent when there is no port).
    TSubclassedControl(HWND control, IUserInterface* ui);
    // Gives the window its own procedure back while it still exists.
    virtual ~TSubclassedControl();
    TSubclassedControl(const TSubclassedControl&) = delete;
    TSubclassedControl& operator=(const TSubclassedControl&) = delete;

    // The control's window; nullptr once it has been destroyed.
    HWND Handle() const noexcept { return FHandle; }

protected:
    // A message for the control; true when handled, with its result in `result`.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
    // The control's own handling of a message.
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Moves the subclass to a new window of the control (the old one is left alone).
    void Attach(HWND control);
    IUserInterface* UserInterface() const noexcept { return FUserInterface; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR self);
    void Detach();

    HWND FHandle = nullptr;
    IUserInterface* FUserInterface;
};

}  // namespace wyndrel::ui::win32
