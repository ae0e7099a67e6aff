// Opening the one About window.
#include "app/win32/about_window_command.h"

#include "app/main_window_ids.h"

namespace wyndrel::app::win32 {

TAboutWindowCommand::TAboutWindowCommand(TAboutWindowParts parts, ui::TCommandTable& commands)
    : FParts(std::move(parts)) {
    for (int id : {static_cast<int>(ids::pmAbout), static_cast<int>(ids::WindowMenuAbout)})
        commands.Add(id, [this] { Open(); });
}

TAboutWindowCommand::~TAboutWindowCommand() { Free(); }

void TAboutWindowCommand::Open() {
    if (FWindow && FWindow->IsOpen()) return FForm->Focus();
    Free();
    auto icon = reinterpret_cast<HICON>(
        FParts.MainWindow ? ::GetClassLongPtrW(FParts.MainWindow, GCLP_HICON) : 0);
    FWindow = std::make_unique<dialogs::win32::TVerInfoWindow>(FParts.Ui);
    FWindow->Create(FParts.MainWindow, icon ? icon : ::LoadIconW(nullptr, IDI_APPLICATION));
    FForm = std::make_unique<dialogs::TfrmVerInfo>(dialogs::TVerInfoPorts{
        FWindow->View(), *FWindow, FParts.Ui, FWindow->TimGrad(), FVersions, FSystem,
        FParts.ExeName, FParts.ActivateTitleColors, FParts.DeactivateTitleColors});
    FWindow->Attach(*FForm);
    FWindow->Show();
}

// The window goes before the presenter it reports to.
void TAboutWindowCommand::Free() {
    FWindow.reset();
    FForm.reset();
}

}  // namespace wyndrel::app::win32
