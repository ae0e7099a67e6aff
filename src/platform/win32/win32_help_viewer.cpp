// ShellExecuteW "open" on the help file. The WinHelp viewer is gone from current Windows;
// the shell opens the file with whatever the user has for it and shows its contents. A topic
// can only be asked of WinHelp itself, where it is there.
#include "platform/win32/win32_help_viewer.h"

#include "platform/win32/wide_string.h"
#include "platform/win32/windows_header.h"

#include <shellapi.h>

namespace wyndrel::win32 {

void TWin32HelpViewer::ShowHelpContents(const std::string& helpFile) {
    ::ShellExecuteW(nullptr, L"open", Widen(helpFile).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// Help is asked for from a button of the active window (the options dialog is modal), which
// WinHelp takes as the window the help belongs to.
void TWin32HelpViewer::ShowHelpTopic(const std::string& helpFile, int topic) {
    ::WinHelpW(::GetActiveWindow(), Widen(helpFile).c_str(), HELP_CONTEXT,
               static_cast<ULONG_PTR>(topic));
}

}  // namespace wyndrel::win32
