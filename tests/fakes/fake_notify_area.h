// A notification area in memory: the icons it shows by identifier, every call in order, a
// switch that makes it refuse, and a way to click icons and to re-create the tray.
#pragma once

#include "widgets/notify_area.h"

#include <map>
#include <string>
#include <vector>

namespace wyndrel::fakes {

struct TNotifyCall {
    enum class TKind { Add, Modify, Delete };
    TKind Kind = TKind::Add;
    widgets::TNotifyIconData Icon;  // for Delete only the identifier
    bool Result = false;
};

class TFakeNotifyArea : public widgets::INotifyArea {
public:
    bool Add(const widgets::TNotifyIconData& icon) override;
    bool Modify(const widgets::TNotifyIconData& icon) override;
    bool Delete(int iconId) override;
    void SetSink(widgets::INotifyAreaSink* sink) override { FSink = sink; }

    // While set, every add and modify is refused, as a shell that is not ready does.
    void Refuse(bool refuse) { FRefuse = refuse; }
    // The icons shown now, by identifier.
    const std::map<int, widgets::TNotifyIconData>& Icons() const { return FIcons; }
    const std::vector<TNotifyCall>& Calls() const { return FCalls; }
    void ClearCalls() { FCalls.clear(); }

    // A mouse message on an icon, as the shell posts it to the program.
    void Click(int iconId, std::uint32_t mouseMessage, Point cursor);
    // The shell's tray goes and comes back empty, then says so.
    void Recreate();

private:
    bool Record(TNotifyCall::TKind kind, const widgets::TNotifyIconData& icon, bool result);

    std::map<int, widgets::TNotifyIconData> FIcons;
    std::vector<TNotifyCall> FCalls;
    widgets::INotifyAreaSink* FSink = nullptr;
    bool FRefuse = false;
};

}  // namespace wyndrel::fakes
