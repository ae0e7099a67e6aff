// A window's command table: every command it offers (buttons, menu entries, window-menu
// commands, timers, dropped files, the close request) maps to one action and to what happens
// when it arrives while another command of the window runs. Long commands handle pending
// messages, so a click, a tick or a drop can arrive in the middle of one; nothing that
// arrives then is lost without a sign.
#pragma once

#include "ui/menu_model.h"

#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <optional>

namespace wyndrel::ui {

enum class TWhileBusy {
    RunsAtOnce,    // neither waits nor opens a window: runs even inside another command
    WaitsItsTurn,  // runs as soon as the running command has ended; at most one pending at a time
    NotAvailable,  // opens a window, starts or moves editors: shown disabled meanwhile
};

enum class TDispatched { Ran, Waiting, NotAvailable, Unknown };

// The window's rules: for each of its command ids, what happens while another one runs.
using TCommandRules = std::function<std::optional<TWhileBusy>(int id)>;

class TCommandTable {
public:
    // `reportFailure` is told of a failure of a waiting command that cannot be passed on,
    // because another failure already is.
    explicit TCommandTable(TCommandRules rules,
                           std::function<void(std::exception_ptr)> reportFailure = {})
        : FRules(std::move(rules)), FReportFailure(std::move(reportFailure)) {}

    // Each command is registered once, under an id the rules know; anything else is a
    // programming error (std::logic_error).
    void Add(int id, std::function<void()> action);
    // Ids first..last (inclusive), all of one rule, share one action, which is told the id
    // it was chosen by.
    void AddRange(int first, int last, std::function<void(int id)> action);

    bool Has(int id) const { return Find(id) != nullptr; }
    // False only for a command that is not available while another one runs, during one.
    bool Available(int id) const;
    bool Busy() const { return FBusy; }

    // Runs, keeps or refuses the command as its rule says; an unknown id does nothing. When a
    // running command ends, by returning or by failing, the waiting ones run in the order
    // they arrived; the first failure is passed on once they have all run, and a later one
    // goes to the failure report.
    TDispatched Dispatch(int id);

    // Disables every entry of `menu` (through its submenus) that is not available now.
    void DisableUnavailable(TMenuModel& menu) const;

    // Told whenever Busy() changes, so a window can show which commands are available.
    void OnBusyChanged(std::function<void()> listener) { FBusyChanged = std::move(listener); }

private:
    struct TEntry {
        int First = 0;
        int Last = 0;
        TWhileBusy Rule = TWhileBusy::NotAvailable;
        std::function<void(int)> Action;
    };
    const TEntry* Find(int id) const;
    void RunAndDrain(const TEntry& entry, int id);
    void SetBusy(bool busy);

    TCommandRules FRules;
    std::function<void(std::exception_ptr)> FReportFailure;
    std::function<void()> FBusyChanged;
    std::map<int, TEntry> FEntries;  // by first id
    std::deque<int> FWaiting;
    bool FBusy = false;
};

}  // namespace wyndrel::ui
