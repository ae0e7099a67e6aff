// Making the resident program and running it.
#include "app/win32/resident_host.h"

namespace wyndrel::app::win32 {

void TResidentHost::CreateMainWindow(bool show) {
    FShow = show;
    FProgram = std::make_unique<TResidentProgram>(FPorts, FProcess, FIni, FEditorPath, FExePath,
                                                  FFolder, FDialogPort);
}

void TResidentHost::RunMessageLoop() { FProgram->RunMessageLoop(FShow); }

}  // namespace wyndrel::app::win32
