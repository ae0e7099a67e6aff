// The program's one message loop: accelerators, keyboard navigation of dialog-like windows,
// then translation and dispatch. The resident program, its pumps and the editor double
// all deliver messages through it.
#pragma once

#include "platform/win32/windows_header.h"

namespace wyndrel::win32 {

// An accelerator table and the window its commands go to.
struct TAccelerators {
    HWND Window = nullptr;
    HACCEL Table = nullptr;
};

// Marks a top-level window whose keyboard is handled as a dialog's (Tab, Enter, Esc,
// mnemonics) by IsDialogMessage. Modeless dialogs and the main window use it; modal
// dialogs get it from the platform's own loop.
void EnableDialogKeys(HWND window);
// Removes the mark; windows of the program call it as they are destroyed.
void ForgetDialogKeys(HWND window);

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop(const TAccelerators& accelerators = {});

// Handles every message already waiting, then returns; a quit request is left for the loop.
void ProcessPendingMessages();

}  // namespace wyndrel::win32
