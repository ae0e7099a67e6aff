// The busy gate of a presenter. Long commands (a restore, a launch) handle pending messages,
// so a click can arrive while one still runs; the gate drops it, or queues it where the
// command wants to run after the current one.
#pragma once

#include <deque>
#include <functional>

namespace wyndrel::ui {

enum class TWhenBusy { Drop, Queue };
enum class TGateResult { Ran, Queued, Dropped };

class TCommandGate {
public:
    // Runs `command` at once when no command runs. While one runs, `command` is dropped or
    // queued; queued commands run in order as soon as the running one has finished. When a
    // command fails (throws, also a silent abort) the gate opens again and the queue is
    // emptied: the requests were made against a state that the failure has changed.
    TGateResult Run(const std::function<void()>& command, TWhenBusy whenBusy = TWhenBusy::Drop);
    bool Busy() const { return FBusy; }

private:
    bool FBusy = false;
    std::deque<std::function<void()>> FQueued;
};

}  // namespace wyndrel::ui
