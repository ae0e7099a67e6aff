// The main window's About command: opens the About window, or brings forward the one that
// is open, so that at most one exists. The closed window is freed at the next opening or
// with the program.
#pragma once

#include "dialogs/ver_info.h"
#include "dialogs/win32/ver_info_window.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win32/win32_version_resource.h"
#include "ui/command_table.h"

#include <functional>
#include <memory>
#include <string>

namespace wyndrel::app::win32 {

struct TAboutWindowParts {
    IUserInterface& Ui;
    std::string ExeName;
    HWND MainWindow = nullptr;  // the owner, whose icon the window shows
    std::function<void()> ActivateTitleColors, DeactivateTitleColors;
};

class TAboutWindowCommand {
public:
    // Registers the About entries of the tray and the window menu in `commands`.
    TAboutWindowCommand(TAboutWindowParts parts, ui::TCommandTable& commands);
    ~TAboutWindowCommand();
    TAboutWindowCommand(const TAboutWindowCommand&) = delete;
    TAboutWindowCommand& operator=(const TAboutWindowCommand&) = delete;

    void Open();
    HWND Window() const { return FWindow && FWindow->IsOpen() ? FWindow->Handle() : nullptr; }

private:
    void Free();

    TAboutWindowParts FParts;
    wyndrel::win32::TWin32VersionResource FVersions;
    wyndrel::win32::TWin32SystemInfo FSystem;
    std::unique_ptr<dialogs::win32::TVerInfoWindow> FWindow;
    std::unique_ptr<dialogs::TfrmVerInfo> FForm;
};

}  // namespace wyndrel::app::win32
