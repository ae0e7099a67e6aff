// The resident program's host on Win32: makes the program once the single-instance check
// has let it start, and runs its message loop.
#pragma once

#include "app/resident_start.h"
#include "app/win32/resident_program.h"

#include <memory>
#include <string>

namespace wyndrel::app::win32 {

class TResidentHost : public IResidentHost {
public:
    // `dialogPort`, the adapter behind `ports.UserInterface`, lets the main window own the
    // program's file dialogs and boxes.
    TResidentHost(const TPorts& ports, IResidentProcess& process, settings::TIniAccess& ini,
                  const std::string& editorPath, const std::string& exePath,
                  const settings::TSettingsFolder& folder,
                  wyndrel::win32::TWin32UserInterface* dialogPort = nullptr)
        : FPorts(ports),
          FProcess(process),
          FIni(ini),
          FEditorPath(editorPath),
          FExePath(exePath),
          FFolder(folder),
          FDialogPort(dialogPort) {}

    void CreateMainWindow(bool show) override;
    void RunMessageLoop() override;

private:
    TPorts FPorts;
    IResidentProcess& FProcess;
    settings::TIniAccess& FIni;
    std::string FEditorPath;
    std::string FExePath;
    settings::TSettingsFolder FFolder;
    wyndrel::win32::TWin32UserInterface* FDialogPort;
    std::unique_ptr<TResidentProgram> FProgram;
    bool FShow = true;
};

}  // namespace wyndrel::app::win32
