// Identifiers of the program's tray icons, and the dispatch of the tray's callbacks.
#include "widgets/task_tray_registry.h"

#include "widgets/task_tray.h"

#include <algorithm>
#include <climits>
#include <exception>

namespace wyndrel::widgets {

TTaskTrayRegistry::TTaskTrayRegistry(INotifyArea& area) : FArea(area) { FArea.SetSink(this); }

TTaskTrayRegistry::~TTaskTrayRegistry() { FArea.SetSink(nullptr); }

int TTaskTrayRegistry::NextIconID() const {
    if (FEntries.empty()) return 1;
    int last = FEntries.back().first;
    if (last < INT_MAX) return last + 1;
    // Past the largest identifier the count starts again at the lowest free one.
    int free = 1;
    while (Contains(free)) ++free;
    return free;
}

void TTaskTrayRegistry::Enter(int iconId, TTaskTray& tray) { FEntries.emplace_back(iconId, &tray); }

void TTaskTrayRegistry::Leave(TTaskTray& tray) {
    std::erase_if(FEntries, [&](const auto& entry) { return entry.second == &tray; });
}

bool TTaskTrayRegistry::Contains(int iconId) const { return Find(iconId) != nullptr; }

void TTaskTrayRegistry::Rename(TTaskTray& tray, int newIconId) {
    for (auto& entry : FEntries) {
        if (entry.second == &tray) entry.first = newIconId;
    }
}

TTaskTray* TTaskTrayRegistry::Find(int iconId) const {
    auto found = std::find_if(FEntries.begin(), FEntries.end(),
                              [&](const auto& entry) { return entry.first == iconId; });
    return found == FEntries.end() ? nullptr : found->second;
}

namespace {

// Clears the busy flag however the handler ends.
class TBusyScope {
public:
    explicit TBusyScope(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TBusyScope() { FFlag = false; }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    bool& FFlag;
};

void Deliver(TTaskTray& tray, std::uint32_t mouseMessage, Point at) {
    using enum TMouseButton;
    switch (mouseMessage) {
        case TrayMouseMove:
            tray.DoMouseMove(at.X, at.Y);
            break;
        case TrayLButtonDown:
            tray.DoMouseDown(mbLeft, ssLeft, at.X, at.Y);
            break;
        case TrayLButtonUp:
            tray.DoMouseUp(mbLeft, ssLeft, at.X, at.Y);
            break;
        case TrayLButtonDblClk:
            tray.DoDblClick(mbLeft);
            break;
        case TrayRButtonDown:
            tray.DoMouseDown(mbRight, ssRight, at.X, at.Y);
            break;
        case TrayRButtonUp:
            tray.DoMouseUp(mbRight, ssRight, at.X, at.Y);
            break;
        case TrayRButtonDblClk:
            tray.DoDblClick(mbRight);
            break;
        case TrayMButtonDown:
            tray.DoMouseDown(mbMiddle, ssMiddle, at.X, at.Y);
            break;
        case TrayMButtonUp:
            tray.DoMouseUp(mbMiddle, ssMiddle, at.X, at.Y);
            break;
        default:
            break;  // the middle double click and everything else
    }
}

}  // namespace

void TTaskTrayRegistry::Dispatch(int iconId, std::uint32_t mouseMessage, Point cursor) {
    TTaskTray* tray = Find(iconId);
    if (!tray || FDispatchBusy) return;
    TBusyScope busy(FDispatchBusy);
    Deliver(*tray, mouseMessage, cursor);
}

void TTaskTrayRegistry::NotifyAreaRecreated() {
    std::exception_ptr firstFailure;
    // A copy: an icon's failure must not keep the others from coming back.
    auto entries = FEntries;
    for (auto& entry : entries) {
        try {
            entry.second->AddAgain();
        } catch (...) {
            if (!firstFailure) firstFailure = std::current_exception();
        }
    }
    if (firstFailure) std::rethrow_exception(firstFailure);
}

}  // namespace wyndrel::widgets
