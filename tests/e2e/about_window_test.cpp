// The About window end to end: opened from the main window's window menu, it shows the
// program's version from its own resource and the system lines in their order; a second
// request brings the same window forward; a closed one opens anew. The version functions it
// reads with come from the system, not from a "version.dll" lying beside the program.
#include "app/main_window_ids.h"
#include "dialogs/ver_info_ids.h"
#include "support/desktop_probe.h"
#include "platform/win32/wide_string.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "support/wyndrel_settings.h"
#include "wyndrel_version.h"

#include <gtest/gtest.h>

#include <sstream>

namespace e2e {
namespace {

namespace ids = wyndrel::app::ids;
namespace about = wyndrel::dialogs::ver_info_ids;

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(L"\r\n", start);
        lines.push_back(
            text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos) return lines;
        start = end + 2;
    }
}

// " 1.2.3 Build:4" for the version text "1.2.3.4" CMake wrote.
std::wstring ExpectedVersionBox() {
    std::wstringstream parts(WYNDREL_VERSION_TEXT L"");
    std::wstring major, minor, release, build;
    std::getline(parts, major, L'.');
    std::getline(parts, minor, L'.');
    std::getline(parts, release, L'.');
    std::getline(parts, build, L'.');
    return L" " + major + L"." + minor + L"." + release + L" Build:" + build;
}

bool IsTopMost(HWND window) {
    return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Posts the About command and waits until the main window has handled it: the most-top
// command posted behind it flips the window's topmost state.
void RequestAbout(HWND main) {
    const bool topMost = IsTopMost(main);
    ::PostMessageW(main, WM_SYSCOMMAND, ids::WindowMenuAbout, 0);
    ::PostMessageW(main, WM_SYSCOMMAND, ids::WindowMenuMostTop, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsTopMost(main) != topMost; }, 10000));
}

TEST(AboutJourney, ShowsTheProgramsVersionAndTheSystemLinesAndStaysOne) {
    TWyndrelSettings settings;
    TProcessGuard processes;
    HANDLE resident = processes.StartWyndrel(L"");
    HWND main = WaitForWindowOfProcess(resident, L"TfrmWyndrel", 20000);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }, 10000));

    RequestAbout(main);
    HWND window = WaitForWindowOfProcess(resident, L"TfrmVerInfo", 10000);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), L"バージョン情報 - Wyndrel");
    EXPECT_TRUE(IsTopMost(window));
    HWND sysInfo = ::GetDlgItem(window, about::txtSysInfo);
    ASSERT_TRUE(WaitUntil(
        [&] { return WindowText(sysInfo).find(L"Color Depth") != std::wstring::npos; }, 10000));
    EXPECT_EQ(WindowText(::GetDlgItem(window, about::txtVerInfo)), ExpectedVersionBox());

    const std::vector<std::wstring> prefixes = {
        L"Windows       :", L"Platform Type :Windows NT", L"WindowsVersion:", L"User Name     :",
        L"Owner Name    :", L"Computer Name :",           L"物理MemorySize:", L"物理MemoryUse :",
        L"仮想MemorySize:", L"仮想MemoryUse :",           L"PageMemorySize:", L"PageMemoryUse :",
        L"CMCTRL32.DLL  :", L"Screen Size   :",           L"Color Depth   :"};
    const std::vector<std::wstring> lines = Lines(WindowText(sysInfo));
    ASSERT_EQ(lines.size(), prefixes.size()) << WindowText(sysInfo);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].rfind(prefixes[i], 0), 0u) << lines[i];
    for (std::size_t i = 6; i < 12; ++i) EXPECT_TRUE(lines[i].ends_with(L"MB")) << lines[i];
    EXPECT_TRUE(lines[14].ends_with(L"色)")) << lines[14];

    // A second request brings the open window forward instead of opening another.
    ::SetForegroundWindow(main);
    RequestAbout(main);
    EXPECT_EQ(TopLevelWindowsOfClass(L"TfrmVerInfo"), std::vector<HWND>{window});
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }, 10000));

    // Esc closes it; the next request opens a new one.
    ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(window); }, 10000));
    RequestAbout(main);
    EXPECT_NE(WaitForWindowOfProcess(resident, L"TfrmVerInfo", 10000), nullptr);

    ::PostMessageW(main, WM_COMMAND, MAKEWPARAM(ids::btnClose, BN_CLICKED), 0);
    EXPECT_EQ(WaitForExit(resident, 20000), 0);
}

// Wine takes its own version.dll over one found beside a program, where Windows takes the
// one beside it; while this lives, Wine does as Windows for programs named wyndrel.exe.
class TNativeVersionDllFirst {
public:
    TNativeVersionDllFirst() {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, Key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &FKey,
                          nullptr);
        static const wchar_t order[] = L"native,builtin";
        ::RegSetValueExW(FKey, L"version", 0, REG_SZ, reinterpret_cast<const BYTE*>(order),
                         sizeof(order));
    }
    ~TNativeVersionDllFirst() {
        ::RegDeleteValueW(FKey, L"version");
        ::RegCloseKey(FKey);
    }
    TNativeVersionDllFirst(const TNativeVersionDllFirst&) = delete;
    TNativeVersionDllFirst& operator=(const TNativeVersionDllFirst&) = delete;

private:
    static constexpr const wchar_t* Key = L"Software\\Wine\\AppDefaults\\wyndrel.exe\\DllOverrides";
    HKEY FKey = nullptr;
};

// A copy of the program in a folder of its own, with tools/planted-dll beside it as
// "version.dll": that DLL writes "version.dll.called" beside itself when the program calls
// it. Wine's own user32 imports version.dll and, told to prefer the planted one, loads it
// into every process; so the test asks whether the program used it.
TEST(AboutJourney,
     ReadsTheVersionWithTheSystemsVersionFunctionsNotWithAVersionDllBesideTheProgram) {
    TTempFolder folder;
    const std::wstring program = folder.File(L"wyndrel.exe");
    ASSERT_TRUE(::CopyFileW((ProgramFolder() + L"wyndrel.exe").c_str(), program.c_str(), FALSE));
    ASSERT_TRUE(::CopyFileW((ProgramFolder() + L"planted-dll.dll").c_str(),
                            folder.File(L"version.dll").c_str(), FALSE));
    WriteBytes(
        folder.File(L"wyndrel.ini"),
        "[Option]\r\nQuilPath=" +
            wyndrel::win32::Utf8ToAnsi(wyndrel::win32::Narrow(ProgramFolder() + L"Quillon.exe")) +
            "\r\n");
    TNativeVersionDllFirst nativeFirst;
    TProcessGuard processes;
    HANDLE resident = processes.Start(L"\"" + program + L"\"");
    HWND main = WaitForWindowOfProcess(resident, L"TfrmWyndrel", 20000);
    ASSERT_NE(main, nullptr);

    RequestAbout(main);
    HWND window = WaitForWindowOfProcess(resident, L"TfrmVerInfo", 10000);
    // The last line comes after the common controls' version: both files have been read.
    const bool read =
        window &&
        WaitUntil(
            [&] {
                return WindowText(::GetDlgItem(window, about::txtSysInfo)).find(L"Color Depth") !=
                       std::wstring::npos;
            },
            10000);
    EXPECT_EQ(::GetFileAttributesW(folder.File(L"version.dll.called").c_str()),
              INVALID_FILE_ATTRIBUTES)
        << "the program called the version.dll beside it";
    ASSERT_TRUE(read);
    EXPECT_EQ(WindowText(::GetDlgItem(window, about::txtVerInfo)), ExpectedVersionBox());
}

}  // namespace
}  // namespace e2e
