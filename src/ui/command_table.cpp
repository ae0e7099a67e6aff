// Running, keeping and refusing a window's commands.
#include "ui/command_table.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace wyndrel::ui {

void TCommandTable::Add(int id, std::function<void()> action) {
    AddRange(id, id, [action = std::move(action)](int) { action(); });
}

void TCommandTable::AddRange(int first, int last, std::function<void(int id)> action) {
    const std::optional<TWhileBusy> rule = FRules(first);
    if (!rule || FRules(last) != rule)
        throw std::logic_error("command " + std::to_string(first) + " has no rule of its own");
    for (const auto& [key, entry] : FEntries)
        if (first <= entry.Last && entry.First <= last)
            throw std::logic_error("command " + std::to_string(first) + " is registered twice");
    FEntries[first] = TEntry{first, last, *rule, std::move(action)};
}

const TCommandTable::TEntry* TCommandTable::Find(int id) const {
    auto next = FEntries.upper_bound(id);
    if (next == FEntries.begin()) return nullptr;
    const TEntry& entry = std::prev(next)->second;
    return id <= entry.Last ? &entry : nullptr;
}

bool TCommandTable::Available(int id) const {
    const TEntry* entry = Find(id);
    return !(FBusy && entry && entry->Rule == TWhileBusy::NotAvailable);
}

TDispatched TCommandTable::Dispatch(int id) {
    const TEntry* entry = Find(id);
    if (!entry) return TDispatched::Unknown;
    if (entry->Rule == TWhileBusy::RunsAtOnce) {
        entry->Action(id);
        return TDispatched::Ran;
    }
    if (FBusy) {
        if (entry->Rule == TWhileBusy::NotAvailable) return TDispatched::NotAvailable;
        if (std::find(FWaiting.begin(), FWaiting.end(), id) == FWaiting.end())
            FWaiting.push_back(id);
        return TDispatched::Waiting;
    }
    RunAndDrain(*entry, id);
    return TDispatched::Ran;
}

// A waiting command was asked for against the program, not against the running command:
// it runs also when that one failed.
void TCommandTable::RunAndDrain(const TEntry& entry, int id) {
    SetBusy(true);
    std::exception_ptr failure;
    try {
        entry.Action(id);
    } catch (...) {
        failure = std::current_exception();
    }
    while (!FWaiting.empty()) {
        const int next = FWaiting.front();
        FWaiting.pop_front();
        try {
            Find(next)->Action(next);
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
            else if (FReportFailure)
                FReportFailure(std::current_exception());
        }
    }
    SetBusy(false);
    if (failure) std::rethrow_exception(failure);
}

void TCommandTable::SetBusy(bool busy) {
    FBusy = busy;
    if (FBusyChanged) FBusyChanged();
}

void TCommandTable::DisableUnavailable(TMenuModel& menu) const {
    std::function<void(std::vector<TMenuItem>&)> walk = [&](std::vector<TMenuItem>& items) {
        for (TMenuItem& item : items) {
            if (!Available(item.Id)) item.Enabled = false;
            walk(item.Items);
        }
    };
    walk(menu.Items);
}

}  // namespace wyndrel::ui
