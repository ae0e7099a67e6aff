// One place that decides what an exception escaping a message handler becomes.
#include "platform/win32/guarded_dispatch.h"

#include "platform/silent_abort.h"
#include "platform/win32/win32_user_interface.h"

#include <exception>

namespace wyndrel::win32 {

void ShowUnexpected(const std::string& message, IUserInterface* ui, HWND owner) noexcept {
    try {
        if (ui) {
            ui->ShowMessageDialog(TDialogType::Error, message, TBoxButtons::Ok);
            return;
        }
        TWin32UserInterface fallback;
        fallback.SetApplicationWindow(owner);
        fallback.ShowMessageDialog(TDialogType::Error, message, TBoxButtons::Ok);
    } catch (...) {
        // Showing the error failed too: there is nothing left to tell the user with.
    }
}

LRESULT RunGuarded(const std::function<LRESULT()>& handler, LRESULT failed, IUserInterface* ui,
                   HWND owner) {
    try {
        return handler();
    } catch (const ESilentAbort&) {
        // The operation has told the user what it had to; nothing more is said.
    } catch (const std::exception& error) {
        ShowUnexpected(error.what(), ui, owner);
    } catch (...) {
        ShowUnexpected("Unknown error", ui, owner);
    }
    return failed;
}

}  // namespace wyndrel::win32
