// Help end to end: with the manual beside a copy of the program and no help file, the window
// menu's help entry has the shell open the manual with the program the user's file type
// names for ".html" (here the editor double, registered for this test, stands in for a
// browser).
#include "app/main_window_ids.h"
#include "platform/win32/wide_string.h"
#include "support/desktop_probe.h"
#include "support/programs.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <optional>

namespace e2e {
namespace {

namespace ids = wyndrel::app::ids;

// While it lives, the file type of ".html" opens a file with `command`; the type it had
// before comes back afterwards. Wine's shell reads the types of HKEY_CLASSES_ROOT alone, not
// the user's own (HKEY_CURRENT_USER\Software\Classes), so the type is set there.
class THtmlType {
public:
    explicit THtmlType(const std::wstring& command) {
        wchar_t value[256] = L"";
        DWORD size = sizeof(value);
        if (::RegGetValueW(HKEY_CLASSES_ROOT, ExtensionKey, nullptr, RRF_RT_REG_SZ, nullptr, value,
                           &size) == ERROR_SUCCESS)
            FBefore = value;
        SetDefault(ExtensionKey, TypeName);
        SetDefault(CommandKey, command);
    }
    ~THtmlType() {
        ::RegDeleteTreeW(HKEY_CLASSES_ROOT, TypeKey);
        if (FBefore)
            SetDefault(ExtensionKey, *FBefore);
        else
            ::RegDeleteTreeW(HKEY_CLASSES_ROOT, ExtensionKey);
    }
    THtmlType(const THtmlType&) = delete;
    THtmlType& operator=(const THtmlType&) = delete;

private:
    static constexpr const wchar_t* ExtensionKey = L".html";
    static constexpr const wchar_t* TypeName = L"WyndrelHelpJourney.Page";
    static constexpr const wchar_t* TypeKey = L"WyndrelHelpJourney.Page";
    static constexpr const wchar_t* CommandKey = L"WyndrelHelpJourney.Page\\shell\\open\\command";

    static void SetDefault(const wchar_t* key, const std::wstring& value) {
        ::RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    std::optional<std::wstring> FBefore;
};

TEST(HelpJourney, TheWindowMenusHelpEntryHasTheShellOpenTheManualBesideTheProgram) {
    TTempFolder folder;
    const std::wstring program = folder.File(L"wyndrel.exe");
    ASSERT_TRUE(::CopyFileW((ProgramFolder() + L"wyndrel.exe").c_str(), program.c_str(), FALSE));
    const std::wstring editor = ProgramFolder() + L"Quillon.exe";
    WriteBytes(folder.File(L"wyndrel.ini"),
               "[Option]\r\nQuilPath=" +
                   wyndrel::win32::Utf8ToAnsi(wyndrel::win32::Narrow(editor)) + "\r\n");
    const std::wstring manual = folder.File(L"wyndrel.html");
    WriteBytes(manual, "<!DOCTYPE html>\r\n<title>Wyndrel</title>\r\n");
    THtmlType htmlType(L"\"" + editor + L"\" \"%1\"");

    TProcessGuard processes;
    HANDLE resident = processes.Start(L"\"" + program + L"\"");
    HWND main = WaitForWindowOfProcess(resident, L"TfrmWyndrel", 20000);
    ASSERT_NE(main, nullptr);
    ::PostMessageW(main, WM_SYSCOMMAND, ids::WindowMenuHelp, 0);
    HWND page = WaitForEditorShowing(manual, 20000);
    if (page) processes.Adopt(page);
    ASSERT_NE(page, nullptr) << "the shell was not asked to open the manual";

    ::PostMessageW(main, WM_COMMAND, MAKEWPARAM(ids::btnClose, BN_CLICKED), 0);
    EXPECT_EQ(WaitForExit(resident, 20000), 0);
}

}  // namespace
}  // namespace e2e
