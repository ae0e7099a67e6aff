// Settings files for wyndrel.exe under test, in the ANSI code page as the program writes them.
#include "support/wyndrel_settings.h"

#include "platform/win32/wide_string.h"
#include "platform/win32/windows_header.h"
#include "support/programs.h"
#include "support/temp_folder.h"

namespace e2e {

std::wstring TWyndrelSettings::Path() { return ProgramFolder() + L"wyndrel.ini"; }

std::wstring StoredSetting(const wchar_t* section, const wchar_t* key, const wchar_t* missing) {
    wchar_t value[1024] = L"";
    ::GetPrivateProfileStringW(section, key, missing, value, 1024,
                               TWyndrelSettings::Path().c_str());
    return value;
}

namespace {

// The last session another test's program kept: a start after a kill would offer it.
void RemoveLastSession() { ::DeleteFileW((ProgramFolder() + L"LastSession.qdl").c_str()); }

}  // namespace

TWyndrelSettings::TWyndrelSettings(const std::string& optionLines, const std::wstring& editorPath) {
    RemoveLastSession();
    std::wstring editor = editorPath.empty() ? ProgramFolder() + L"Quillon.exe" : editorPath;
    std::string text = "[Option]\r\nQuilPath=";
    text += wyndrel::win32::Utf8ToAnsi(wyndrel::win32::Narrow(editor));
    text += "\r\n";
    text += optionLines;
    WriteBytes(Path(), text);
}

TWyndrelSettings::~TWyndrelSettings() {
    ::DeleteFileW(Path().c_str());
    RemoveLastSession();
}

}  // namespace e2e
