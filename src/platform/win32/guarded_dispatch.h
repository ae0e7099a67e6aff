// The exception barrier shared by every window and dialog procedure of the program:
// nothing thrown by a handler ever reaches Win32.
#pragma once

#include "platform/user_interface.h"
#include "platform/win32/windows_header.h"

#include <functional>
#include <string>

namespace wyndrel::win32 {

// Runs `handler` and returns its result. A silent abort is dropped without a word; any other
// exception is shown in the error dialog of `ui` (or of the platform's adapter, owned by
// `owner`, when there is no port) and `failed` is returned.
LRESULT RunGuarded(const std::function<LRESULT()>& handler, LRESULT failed, IUserInterface* ui,
                   HWND owner);

// The error dialog for an unexpected exception's message; never throws.
void ShowUnexpected(const std::string& message, IUserInterface* ui, HWND owner) noexcept;

}  // namespace wyndrel::win32
