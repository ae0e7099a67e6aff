// The program's tray icons by identifier: who gets which identifier, and which icon a click
// in the notification area belongs to. The program owns one, beside its notification area.
#pragma once

#include "widgets/notify_area.h"

#include <utility>
#include <vector>

namespace wyndrel::widgets {

class TTaskTray;

class TTaskTrayRegistry : public INotifyAreaSink {
public:
    explicit TTaskTrayRegistry(INotifyArea& area);
    ~TTaskTrayRegistry() override;
    TTaskTrayRegistry(const TTaskTrayRegistry&) = delete;
    TTaskTrayRegistry& operator=(const TTaskTrayRegistry&) = delete;

    INotifyArea& Area() { return FArea; }

    // 1 for the first icon, else the last entry's identifier + 1 (not the highest + 1).
    int NextIconID() const;
    void Enter(int iconId, TTaskTray& tray);
    void Leave(TTaskTray& tray);
    bool Contains(int iconId) const;
    void Rename(TTaskTray& tray, int newIconId);

    // One callback at a time: a callback that arrives while another is handled (a popup
    // menu's own message loop) is dropped, whichever icon it is for.
    void Dispatch(int iconId, std::uint32_t mouseMessage, Point cursor) override;
    // Adds every registered icon again; the first refusal is raised after all were tried.
    void NotifyAreaRecreated() override;

private:
    TTaskTray* Find(int iconId) const;

    INotifyArea& FArea;
    std::vector<std::pair<int, TTaskTray*>> FEntries;
    bool FDispatchBusy = false;
};

}  // namespace wyndrel::widgets
