// The program's own process in memory: a mutex name another copy may hold, windows found by
// class on a fake desktop, and every priority change, sleep and send recorded in order.
#pragma once

#include "fakes/fake_desktop.h"
#include "platform/resident_process.h"

#include <string>
#include <vector>

namespace wyndrel::fakes {

class TFakeResidentProcess : public IResidentProcess {
public:
    explicit TFakeResidentProcess(TFakeDesktop& desktop) : FDesktop(desktop) {}

    // Another copy holds the mutex.
    void HoldMutexElsewhere(const std::string& name) { FHeldElsewhere = name; }
    // Another copy started at the same moment makes the mutex after InstanceMutexExists
    // looked and before CreateInstanceMutex: the creation finds it there.
    void MakeMutexElsewhereBeforeCreation(const std::string& name) { FMadeMeanwhile = name; }
    bool HoldsMutex() const { return FHeld; }
    // "priority RealTime", "thread TimeCritical", "sleep 1000" (sleep-ok: only recorded),
    // "mutex created", "mutex found made", "mutex released", "restore", "request 4660"; tests
    // may add their own entries.
    std::vector<std::string> Log;

    bool InstanceMutexExists(const std::string& name) override { return name == FHeldElsewhere; }
    bool CreateInstanceMutex(const std::string& name) override;
    void ReleaseInstanceMutex() override;
    WindowId FindWindowByClass(const std::string& className) override;
    void SendRestoreCommand(WindowId window) override;
    void SendRequest(WindowId window, std::uint32_t message) override;
    void SetOwnPriority(TPriorityClass priority) override;
    void SetThreadPriority(TThreadPriority priority) override;
    void Sleep(std::uint32_t ms) override {  // sleep-ok: recorded, not slept
        Log.push_back("sleep " + std::to_string(ms));
    }
    std::int64_t SystemStartTime() override { return StartTime; }
    std::int64_t StartTime = 0;

private:
    TFakeDesktop& FDesktop;
    std::string FHeldElsewhere;
    std::string FMadeMeanwhile;
    bool FHeld = false;
};

}  // namespace wyndrel::fakes
