// Settings files for wyndrel.exe under test, in the ANSI code page as the program writes them.
#include "support/wyndrel_settings.h"

#include "platform/win32/wide_string.h"
#include "platform/win32/windows_header.h"
#include "support/programs.h"
#include "support/temp_folder.h"

namespace e2e {

std::wstring TWyndrelSettings::Path() { return ProgramFolder() + L"wyndrel.ini"; }

TWyndrelSettings::TWyndrelSettings(const std::string& optionLines, const std::wstring& editorPath) {
    std::wstring editor = editorPath.empty() ? ProgramFolder() + L"Quillon.exe" : editorPath;
    std::string text = "[Option]\r\nQuilPath=";
    text += wyndrel::win32::Utf8ToAnsi(wyndrel::win32::Narrow(editor));
    text += "\r\n";
    text += optionLines;
    WriteBytes(Path(), text);
}

TWyndrelSettings::~TWyndrelSettings() { ::DeleteFileW(Path().c_str()); }

}  // namespace e2e
