// Bringing stranded editors onto a monitor and putting them back for a returning
// configuration of the displays.
#include "app/display_follower.h"

#include "app/main_window_ids.h"
#include "layout/editor_placement.h"
#include "platform/work_area.h"
#include "settings/setting_keys.h"

#include <algorithm>
#include <tuple>

namespace wyndrel::app {
namespace {

bool Before(const Rect& a, const Rect& b) {
    return std::tie(a.Left, a.Top, a.Right, a.Bottom) < std::tie(b.Left, b.Top, b.Right, b.Bottom);
}

bool SamePlace(const layout::TLayout& a, const layout::TLayout& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height &&
           a.ShowState == b.ShowState && layout::PlacementBox(a) == layout::PlacementBox(b);
}

}  // namespace

TDisplayFollower::TDisplayFollower(TDisplayFollowerPorts ports, ui::TCommandTable& commands)
    : FPorts(ports) {
    commands.Add(ids::cmdDisplayChanged, [this] { DisplayChanged(); });
    commands.Add(ids::cmdDisplaySettled, [this] { Settled(); });
}

std::vector<Rect> TDisplayFollower::Configuration() {
    std::vector<Rect> bounds;
    for (const TMonitor& monitor : FPorts.Engine.Desktop().Monitors())
        bounds.push_back(monitor.Bounds);
    std::sort(bounds.begin(), bounds.end(), Before);
    return bounds;
}

void TDisplayFollower::DisplayChanged() { FPorts.SettleTimer.Start(DisplaySettleMs); }

void TDisplayFollower::Remember(const std::vector<layout::TLayout>& editors) {
    if (FPorts.SettleTimer.Enabled()) return;
    std::vector<Rect> configuration = Configuration();
    auto same = std::find_if(FRemembered.begin(), FRemembered.end(), [&](const TRemembered& kept) {
        return kept.Configuration == configuration;
    });
    if (same != FRemembered.end()) FRemembered.erase(same);
    FRemembered.push_back({std::move(configuration), editors});
    if (FRemembered.size() > RememberedConfigurations) FRemembered.pop_front();
}

void TDisplayFollower::Settled() {
    FPorts.SettleTimer.Stop();
    BringStrandedOntoMonitors();
    if (!FPorts.Ini.Read(settings::keys::FollowDisplays)) return;
    const std::vector<Rect> configuration = Configuration();
    auto seen = std::find_if(FRemembered.begin(), FRemembered.end(), [&](const TRemembered& kept) {
        return kept.Configuration == configuration;
    });
    if (seen != FRemembered.end()) PutBack(seen->Editors);
}

// By the restore's rule: a window still partly on a work area stays where it is, and one on
// none is placed at its (normal) rectangle brought onto the nearest one, maximised again when
// it was. Minimised windows are left to the platform, which shows them again on a monitor.
void TDisplayFollower::BringStrandedOntoMonitors() {
    const std::optional<std::vector<layout::TLayout>> editors = FPorts.Engine.CaptureEditors();
    if (!editors) return;
    IDesktop& desktop = FPorts.Engine.Desktop();
    const std::vector<TMonitor> monitors = desktop.Monitors();
    for (const layout::TLayout& editor : *editors) {
        if (desktop.IsIconic(editor.Wnd)) continue;
        const TWindowBox shown{editor.Left, editor.Top, editor.Width, editor.Height};
        if (MoveOntoNearestWorkArea(shown, monitors) == shown &&
            layout::OnScreenPlacementBox(editor, monitors) == layout::PlacementBox(editor))
            continue;
        layout::PlaceEditorWindow(desktop, editor.Wnd, editor, layout::TPlaceStacking::KeepZOrder);
    }
}

// Only windows that still show the file they showed then, and only those not already where
// they were (putting a maximised window back restores and maximises it, which activates it);
// nothing is started or closed.
void TDisplayFollower::PutBack(const std::vector<layout::TLayout>& editors) {
    const std::optional<std::vector<layout::TLayout>> now = FPorts.Engine.CaptureEditors();
    if (!now) return;
    IDesktop& desktop = FPorts.Engine.Desktop();
    for (const layout::TLayout& editor : editors) {
        // A closed window shows no file and is not captured now.
        auto current = std::find_if(now->begin(), now->end(), [&](const layout::TLayout& open) {
            return open.Wnd == editor.Wnd && open.FileName == editor.FileName;
        });
        if (current == now->end() || desktop.IsIconic(editor.Wnd)) continue;
        if (SamePlace(*current, editor)) continue;
        layout::PlaceEditorWindow(desktop, editor.Wnd, editor, layout::TPlaceStacking::KeepZOrder);
    }
}

}  // namespace wyndrel::app
