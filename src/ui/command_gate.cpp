// Running, dropping and queueing commands.
#include "ui/command_gate.h"

namespace wyndrel::ui {

TGateResult TCommandGate::Run(const std::function<void()>& command, TWhenBusy whenBusy) {
    if (FBusy) {
        if (whenBusy == TWhenBusy::Drop) return TGateResult::Dropped;
        FQueued.push_back(command);
        return TGateResult::Queued;
    }
    FBusy = true;
    try {
        command();
        while (!FQueued.empty()) {
            auto next = std::move(FQueued.front());
            FQueued.pop_front();
            next();
        }
    } catch (...) {
        FQueued.clear();
        FBusy = false;
        throw;
    }
    FBusy = false;
    return TGateResult::Ran;
}

}  // namespace wyndrel::ui
