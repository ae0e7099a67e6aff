// Single instance, start-up delay, priorities and the life of the resident program.
#include "app/resident_start.h"

#include "app/start_up.h"
#include "settings/setting_keys.h"
#include "ui/private_messages.h"

#include <algorithm>

namespace wyndrel::app {
namespace {

void HandOver(const TResidentPorts& ports) {
    WindowId first = ports.Process.FindWindowByClass(MainWindowClassName);
    if (!first) return;
    RequestForeground(ports.Desktop, first);
    if (ports.Desktop.IsIconic(first)) ports.Process.SendRestoreCommand(first);
    ports.Process.SendRequest(first, ui::ShowRequestMessage);
}

// Spent asleep in the idle class, before any window exists. A negative setting would be
// a wait of weeks to the platform; it waits not at all.
void StartUpDelay(const TResidentPorts& ports, settings::TIniAccess& ini) {
    using namespace settings::keys;
    if (!ini.Read(IsUseDelay)) return;
    std::int32_t ms = ini.Read(DeleyWaitTime);
    ports.Process.SetOwnPriority(TPriorityClass::Idle);
    const auto delay = static_cast<std::uint32_t>(std::max(ms, 0));
    ports.Process.Sleep(delay);  // sleep-ok: the user's start-up delay, before any window exists
}

// The real-time class and a time-critical thread while the main window is made; the idle
// class for the rest of the program's life, also when making the window failed.
class TRaisedPriority {
public:
    explicit TRaisedPriority(IResidentProcess& process) : FProcess(process) {
        FProcess.SetOwnPriority(TPriorityClass::RealTime);
        FProcess.SetThreadPriority(TThreadPriority::TimeCritical);
    }
    ~TRaisedPriority() {
        FProcess.SetThreadPriority(TThreadPriority::Normal);
        FProcess.SetOwnPriority(TPriorityClass::Idle);
    }
    TRaisedPriority(const TRaisedPriority&) = delete;
    TRaisedPriority& operator=(const TRaisedPriority&) = delete;

private:
    IResidentProcess& FProcess;
};

}  // namespace

TResidentOutcome RunResident(const TResidentPorts& ports, settings::TIniAccess& ini,
                             text::TDateTimeLocale& locale, const settings::TSettingsFolder& folder,
                             IResidentHost& host) {
    if (ports.Process.InstanceMutexExists(InstanceMutexName) ||
        !ports.Process.CreateInstanceMutex(InstanceMutexName)) {
        HandOver(ports);
        return TResidentOutcome::HandedOver;
    }
    DiscardStaleSnapshot(ports.Files, ports.Process.SystemStartTime(), folder);
    StartUpDelay(ports, ini);

    text::SetEnglishDateNames(locale);
    ports.UserInterface.SetApplicationTitle(ProgramName);
    using settings::keys::IsIconic;
    bool show = !ini.Read(IsIconic);
    {
        TRaisedPriority raised(ports.Process);
        host.CreateMainWindow(show);
    }

    host.RunMessageLoop();
    ports.Process.ReleaseInstanceMutex();
    FinaliseProcess(ports.Files, folder);
    return TResidentOutcome::Ran;
}

}  // namespace wyndrel::app
