// The in-memory process starter and its editor model.
#include "fakes/fake_processes.h"

#include <algorithm>
#include <stdexcept>

namespace wyndrel::fakes {
namespace {

// The path between the first pair of double quotes, as the editor reads its command line.
std::optional<std::string> QuotedPath(const std::string& commandLine) {
    size_t open = commandLine.find('"');
    if (open == std::string::npos) return std::nullopt;
    size_t close = commandLine.find('"', open + 1);
    if (close == std::string::npos) return std::nullopt;
    return commandLine.substr(open + 1, close - open - 1);
}

const char* PriorityName(TPriorityClass priority) {
    switch (priority) {
        case TPriorityClass::Idle:
            return "idle";
        case TPriorityClass::High:
            return "high";
        case TPriorityClass::RealTime:
            return "realtime";
        case TPriorityClass::Normal:
            break;
    }
    return "normal";
}

std::string Numbered(const char* call, const TStartedProcess& process) {
    return std::string(call) + " " + std::to_string(process.Handle);
}

}  // namespace

void TFakeProcesses::ModelEditorOn(TFakeDesktop& desktop, TEditorModel model) {
    FDesktop = &desktop;
    FModel = model;
}

void TFakeProcesses::AdvanceTime(std::uint32_t ms) {
    FTicks += ms;
    std::vector<TPending> due;
    auto firstLater = std::stable_partition(
        FPending.begin(), FPending.end(),
        [this](const TPending& p) { return static_cast<std::int32_t>(FTicks - p.DueAt) >= 0; });
    due.assign(FPending.begin(), firstLater);
    FPending.erase(FPending.begin(), firstLater);
    for (TPending& pending : due) pending.Action();
}

int TFakeProcesses::OpenHandles() const {
    return static_cast<int>(std::count_if(FStarts.begin(), FStarts.end(),
                                          [](const TFakeStart& s) { return !s.Closed; }));
}

void TFakeProcesses::OpenWindow(const std::string& path,
                                const std::optional<TStartPlacement>& placement) {
    Rect bounds = FModel.DefaultBounds;
    if (placement)
        bounds = {placement->Left, placement->Top, placement->Left + placement->Width,
                  placement->Top + placement->Height};
    FDesktop->AddEditor(path, bounds, 0);
}

std::optional<TStartedProcess> TFakeProcesses::StartProcess(
    const std::string& application, const std::string& commandLine,
    const std::optional<TStartPlacement>& placement) {
    if (FDesktop && FModel.StartFails) return std::nullopt;
    FStarts.push_back(TFakeStart{application, commandLine, placement, {}, {}, false});
    TStartedProcess process{FStarts.size(),
                            ProcessId{static_cast<std::uint32_t>(FStarts.size() * 4)}};
    FCalls.push_back(Numbered("start", process));
    auto path = QuotedPath(commandLine);
    if (FDesktop && path && !FModel.NoWindow && *path != FModel.NoWindowFor) {
        if (FModel.WindowDelayMs == 0)
            OpenWindow(*path, placement);
        else
            FPending.push_back({FTicks + FModel.WindowDelayMs,
                                [this, p = *path, placement] { OpenWindow(p, placement); }});
    }
    return process;
}

TFakeStart& TFakeProcesses::StartOf(const TStartedProcess& process) {
    if (process.Handle == 0 || process.Handle > FStarts.size())
        throw std::logic_error("no such fake process");
    TFakeStart& start = FStarts[process.Handle - 1];
    if (start.Closed) throw std::logic_error("fake process used after it was closed");
    return start;
}

bool TFakeProcesses::SetPriority(const TStartedProcess& process, TPriorityClass priority) {
    StartOf(process).Priorities.push_back(priority);
    FCalls.push_back(Numbered("priority", process) + " " + PriorityName(priority));
    return true;
}

TInputIdleResult TFakeProcesses::WaitForInputIdle(const TStartedProcess& process,
                                                  std::uint32_t timeoutMs) {
    StartOf(process).IdleWaits.push_back(timeoutMs);
    FCalls.push_back(Numbered("idle", process));
    if (FModel.NeverIdle) {
        AdvanceTime(timeoutMs);
        return TInputIdleResult::TimedOut;
    }
    return TInputIdleResult::Ready;
}

bool TFakeProcesses::ListProcesses(
    const std::function<bool(const std::string& exePath, ProcessId id)>& visit) {
    if (FListingFails) return false;
    for (size_t i = 0; i < FRunning.size(); ++i) {
        if (FRunning[i].empty()) continue;  // a path that cannot be read is passed over
        if (!visit(FRunning[i], ProcessId{static_cast<std::uint32_t>(100 + 4 * i)})) break;
    }
    return true;
}

void TFakeProcesses::CloseProcess(const TStartedProcess& process) {
    StartOf(process).Closed = true;
    FCalls.push_back(Numbered("close", process));
}

}  // namespace wyndrel::fakes
