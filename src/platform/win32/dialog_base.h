// The base of the program's modal windows: an empty in-memory dialog template run by the
// platform's modal loop (Enter, Esc and Tab as in every dialog), behind the same exception
// barrier as every window.
#pragma once

#include "platform/user_interface.h"
#include "platform/win32/windows_header.h"

namespace wyndrel::win32 {

class TDialogBase {
public:
    TDialogBase() = default;
    explicit TDialogBase(IUserInterface& ui) : FUserInterface(&ui) {}
    virtual ~TDialogBase() = default;
    TDialogBase(const TDialogBase&) = delete;
    TDialogBase& operator=(const TDialogBase&) = delete;

    // Shows the dialog modally over `owner` and returns the code given to EndModal, or -1
    // when the dialog could not be created or its initialisation failed.
    INT_PTR ShowModal(HWND owner);
    HWND Handle() const noexcept { return FHandle; }

protected:
    void EndModal(INT_PTR result);
    IUserInterface* UserInterface() const noexcept { return FUserInterface; }

    // The dialog's window styles; the default is a fixed frame with a caption and a close box.
    virtual DWORD Style() const;
    // The window exists, without controls; an exception ends the dialog with -1.
    virtual void OnInitDialog() {}
    virtual void OnCommand(int /*id*/, int /*notifyCode*/, HWND /*control*/) {}
    virtual void OnTimer(UINT_PTR /*timerId*/) {}
    virtual void OnDestroy() {}
    // Every other message; true when handled, with its result in `result`.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                             LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND FHandle = nullptr;
    IUserInterface* FUserInterface = nullptr;
};

}  // namespace wyndrel::win32
