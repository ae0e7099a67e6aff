// Started processes in memory: every start (program and command line), priority change, wait
// and release recorded, and an editor model that puts a window showing the file on a fake
// desktop at once, after a while, or never, and that may never become ready for input.
#pragma once

#include "fakes/fake_desktop.h"
#include "platform/processes.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace wyndrel::fakes {

struct TFakeStart {
    std::string Application;
    std::string CommandLine;
    std::optional<TStartPlacement> Placement;
    std::vector<TPriorityClass> Priorities;  // in the order they were set
    std::vector<std::uint32_t> IdleWaits;    // the bound of each wait for input idle
    bool Closed = false;
};

// How the modelled editor behaves once started.
struct TEditorModel {
    bool StartFails = false;
    bool NeverIdle = false;           // WaitForInputIdle runs into its bound
    bool NoWindow = false;            // the editor never shows the file
    std::string NoWindowFor{};        // nor for this one file only
    std::uint32_t WindowDelayMs = 0;  // the window appears this long after the start
    Rect DefaultBounds{100, 100, 740, 580};
};

class TFakeProcesses : public IProcesses {
public:
    // Starts of the editor (a command line with a quoted path) open that path on `desktop`
    // as `model` says; other starts run without a window.
    void ModelEditorOn(TFakeDesktop& desktop, TEditorModel model);

    // Lets fake time pass: windows due in that time appear.
    void AdvanceTime(std::uint32_t ms);

    // The running processes' executable paths; "" for one whose path cannot be read.
    void AddRunning(const std::string& exePath) { FRunning.push_back(exePath); }
    void FailListing(bool fail) { FListingFails = fail; }

    const std::vector<TFakeStart>& Starts() const { return FStarts; }
    // Every call on a started process in order, the process by its start's number:
    // "start 1", "priority 1 high", "idle 1", "close 1".
    const std::vector<std::string>& Calls() const { return FCalls; }
    int OpenHandles() const;

    std::optional<TStartedProcess> StartProcess(
        const std::string& application, const std::string& commandLine,
        const std::optional<TStartPlacement>& placement) override;
    bool SetPriority(const TStartedProcess& process, TPriorityClass priority) override;
    TInputIdleResult WaitForInputIdle(const TStartedProcess& process,
                                      std::uint32_t timeoutMs) override;
    void CloseProcess(const TStartedProcess& process) override;
    bool ListProcesses(
        const std::function<bool(const std::string& exePath, ProcessId id)>& visit) override;
    std::uint32_t TickCount() override { return FTicks; }

private:
    struct TPending {
        std::uint32_t DueAt;
        std::function<void()> Action;
    };
    TFakeStart& StartOf(const TStartedProcess& process);
    void OpenWindow(const std::string& path, const std::optional<TStartPlacement>& placement);

    std::vector<TFakeStart> FStarts;
    std::vector<std::string> FCalls;
    std::vector<TPending> FPending;
    TFakeDesktop* FDesktop = nullptr;
    TEditorModel FModel;
    std::uint32_t FTicks = 5000;
    std::vector<std::string> FRunning;
    bool FListingFails = false;
};

}  // namespace wyndrel::fakes
