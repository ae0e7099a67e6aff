// ShellExecuteW "open" on the help file. The WinHelp viewer is gone from current Windows;
// the shell opens the file with whatever the user has for it and shows its contents.
#include "platform/win32/win32_help_viewer.h"

#include "platform/win32/wide_string.h"
#include "platform/win32/windows_header.h"

#include <shellapi.h>

namespace wyndrel::win32 {

void TWin32HelpViewer::ShowHelpContents(const std::string& helpFile) {
    ::ShellExecuteW(nullptr, L"open", Widen(helpFile).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace wyndrel::win32
