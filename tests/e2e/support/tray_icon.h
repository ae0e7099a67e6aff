// The resident program's tray icon from outside: the hidden window that hears its clicks,
// whether the shell holds the icon, and a press on it that opens one of its menus and
// chooses an entry with the keyboard.
#pragma once

#include "platform/win32/windows_header.h"

#include <vector>

namespace e2e {

// The hidden window that hears the tray icon's clicks in `process`; null when none came.
HWND NotifyWindowOf(HANDLE process);

// Whether the shell holds icon `iconId` of `notifyWindow`: a modification that changes
// nothing succeeds only for an icon it holds.
bool TrayIconShown(HWND notifyWindow, UINT iconId);
// Takes the icon away as a shell that starts again has lost it.
void RemoveTrayIcon(HWND notifyWindow, UINT iconId);

// How many popup menus (class "#32768") are on screen now.
int VisibleMenuCount();

// The shell's callback for a button press on the icon, then `keys` into the menu that opens;
// true once the menu has closed again.
bool PressOnIconAndChoose(HWND notifyWindow, UINT buttonDown, const std::vector<WPARAM>& keys);

}  // namespace e2e
