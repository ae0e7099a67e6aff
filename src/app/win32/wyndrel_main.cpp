// The program's entry: builds the Win32 adapters and runs the program with them.
#include "app/resident_start.h"
#include "app/start_up.h"
#include "app/win32/resident_host.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/system_libraries.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_resident_process.h"
#include "platform/win32/win32_regional_settings.h"
#include "platform/win32/win32_user_interface.h"
#include "platform/win32/windows_header.h"

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Arguments() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; arguments && i < count; ++i)
        result.push_back(wyndrel::win32::Narrow(arguments[i]));
    if (arguments) ::LocalFree(arguments);
    return result;
}

std::string ExecutablePath() {
    std::vector<wchar_t> path(32768, L'\0');
    DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return wyndrel::win32::Narrow(std::wstring_view(path.data(), length));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wyndrel::win32::SearchDllsInSystemFolderOnly();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    wyndrel::win32::TWin32Desktop desktop;
    wyndrel::win32::TWin32Processes processes;
    wyndrel::win32::TWin32Files files;
    wyndrel::win32::TWin32UserInterface ui;
    wyndrel::win32::TWin32Clock clock;
    wyndrel::win32::TWin32RegionalSettings regional;
    const std::string exePath = ExecutablePath();
    const wyndrel::settings::TSettingsFolder folder =
        wyndrel::settings::DecideSettingsFolder(files, exePath);
    try {
        auto result = wyndrel::app::RunStartUp({desktop, processes, files, ui, clock, regional},
                                               folder, Arguments());
        if (result.RunResident) {
            wyndrel::win32::TWin32ResidentProcess process;
            wyndrel::settings::TIniAccess ini(files);
            ini.IniFileName = folder.IniPath();
            wyndrel::text::TDateTimeLocale locale = wyndrel::text::ReferenceDateTimeLocale();
            wyndrel::app::win32::TResidentHost host(
                {desktop, processes, files, ui, clock, regional}, process, ini, result.EditorPath,
                exePath, folder, &ui);
            wyndrel::app::RunResident({desktop, process, ui, files}, ini, locale, folder, host);
        }
        return static_cast<int>(result.ExitCode);
    } catch (const std::exception& error) {
        // Errors nobody handled, such as a process list that cannot be taken, end the program
        // with their message rather than silently.
        wyndrel::TMessageBox box;
        box.Text = error.what();
        box.Icon = wyndrel::TBoxIcon::Error;
        box.Foreground = true;
        ui.ShowMessageBox(box);
        return static_cast<int>(wyndrel::app::TExitCode::NotDone);
    }
}
