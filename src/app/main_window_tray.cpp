// The main window's tray icon while the shell refuses it: offered again, and the window kept
// reachable until the icon is there.
#include "app/main_window.h"

#include "widgets/invalid_operation.h"

namespace wyndrel::app {

// Right after logon the taskbar may not be ready yet: the start goes on without the icon.
void TfrmWyndrel::ShowTrayIcon() {
    try {
        FTray.SetRegistered(true);
    } catch (const widgets::ETrayRefused&) {
        if (!FPorts.TrayRetryTimer.Enabled()) {
            FTrayRetriesLeft = TrayRetryCount;
            FPorts.TrayRetryTimer.Start(TrayRetryIntervalMs);
        }
    }
}

void TfrmWyndrel::RetryTrayIcon() {
    if (FTray.Added() || FTrayRetriesLeft <= 0) {
        FPorts.TrayRetryTimer.Stop();
        return;
    }
    --FTrayRetriesLeft;
    try {
        if (FTray.Registered())
            FTray.UpdateIcon();
        else
            FTray.SetRegistered(true);
    } catch (const widgets::ETrayRefused&) {
        if (FTrayRetriesLeft <= 0) FPorts.TrayRetryTimer.Stop();
    }
}

void TfrmWyndrel::OnTrayIconAdded() {
    FPorts.TrayRetryTimer.Stop();
    if (!FShownForMissingIcon) return;
    FShownForMissingIcon = false;
    FPorts.View.Hide();
}

// Without an icon a hidden window could be reached by nothing: it stays shown, and goes
// into the tray when the icon arrives.
void TfrmWyndrel::HideToTray() {
    if (FTray.Added()) {
        FPorts.View.Hide();
        return;
    }
    FShownForMissingIcon = true;
    FPorts.View.Show();
}

}  // namespace wyndrel::app
