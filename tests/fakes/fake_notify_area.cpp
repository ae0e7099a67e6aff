// The in-memory notification area: adds refused for an icon already shown, changes refused
// for one that is not, as the shell does.
#include "fakes/fake_notify_area.h"

namespace wyndrel::fakes {

bool TFakeNotifyArea::Record(TNotifyCall::TKind kind, const widgets::TNotifyIconData& icon,
                             bool result) {
    FCalls.push_back({kind, icon, result});
    return result;
}

bool TFakeNotifyArea::Add(const widgets::TNotifyIconData& icon) {
    bool accepted = !FRefuse && !FIcons.contains(icon.IconId);
    if (accepted) FIcons[icon.IconId] = icon;
    return Record(TNotifyCall::TKind::Add, icon, accepted);
}

bool TFakeNotifyArea::Modify(const widgets::TNotifyIconData& icon) {
    bool accepted = !FRefuse && FIcons.contains(icon.IconId);
    if (accepted) FIcons[icon.IconId] = icon;
    return Record(TNotifyCall::TKind::Modify, icon, accepted);
}

bool TFakeNotifyArea::Delete(int iconId) {
    widgets::TNotifyIconData icon;
    icon.IconId = iconId;
    return Record(TNotifyCall::TKind::Delete, icon, FIcons.erase(iconId) > 0);
}

void TFakeNotifyArea::Click(int iconId, std::uint32_t mouseMessage, Point cursor) {
    if (FSink) FSink->Dispatch(iconId, mouseMessage, cursor);
}

void TFakeNotifyArea::Recreate() {
    FIcons.clear();
    if (FSink) FSink->NotifyAreaRecreated();
}

}  // namespace wyndrel::fakes
