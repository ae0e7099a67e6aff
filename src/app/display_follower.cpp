// Bringing stranded editors onto a monitor and putting them back for a returning
// configuration of the displays.
#include "app/display_follower.h"

#include "app/main_window_ids.h"
#include "platform/go_on_regardless.h"
#include "platform/work_area.h"
#include "settings/setting_keys.h"

#include <algorithm>
#include <tuple>

namespace wyndrel::app {
namespace {

constexpr TPlacementFlags KeepOrderAndFocus = TPlacementFlags::NoZOrder | TPlacementFlags::NoActivate;

bool Before(const Rect& a, const Rect& b) {
    return std::tie(a.Left, a.Top, a.Right, a.Bottom) < std::tie(b.Left, b.Top, b.Right, b.Bottom);
}

}  // namespace

TDisplayFollower::TDisplayFollower(TDisplayFollowerPorts ports, ui::TCommandTable& commands) : FPorts(ports) {
    commands.Add(ids::cmdDisplayChanged, [this] { DisplayChanged(); });
    commands.Add(ids::cmdDisplaySettled, [this] { Settled(); });
}

std::vector<Rect> TDisplayFollower::Configuration() {
    std::vector<Rect> bounds;
    for (const TMonitor& monitor : FPorts.Engine.Desktop().Monitors()) bounds.push_back(monitor.Bounds);
    std::sort(bounds.begin(), bounds.end(), Before);
    return bounds;
}

void TDisplayFollower::DisplayChanged() { FPorts.SettleTimer.Start(DisplaySettleMs); }

void TDisplayFollower::Remember(const std::vector<layout::TLayout>& editors) {
    if (FPorts.SettleTimer.Enabled()) return;
    std::vector<Rect> configuration = Configuration();
    auto same = std::find_if(FRemembered.begin(), FRemembered.end(),
                             [&](const TRemembered& kept) { return kept.Configuration == configuration; });
    if (same != FRemembered.end()) FRemembered.erase(same);
    FRemembered.push_back({std::move(configuration), editors});
    if (FRemembered.size() > RememberedConfigurations) FRemembered.pop_front();
}

void TDisplayFollower::Settled() {
    FPorts.SettleTimer.Stop();
    BringStrandedOntoMonitors();
    if (!FPorts.Ini.Read(settings::keys::FollowDisplays)) return;
    const std::vector<Rect> configuration = Configuration();
    auto seen = std::find_if(FRemembered.begin(), FRemembered.end(),
                             [&](const TRemembered& kept) { return kept.Configuration == configuration; });
    if (seen != FRemembered.end()) PutBack(seen->Editors);
}

// By the restore's rule: a window still partly on a work area stays where it is. Minimised
// windows are left to the platform, which shows them again on a monitor.
void TDisplayFollower::BringStrandedOntoMonitors() {
    const std::optional<std::vector<layout::TLayout>> editors = FPorts.Engine.CaptureEditors();
    if (!editors) return;
    IDesktop& desktop = FPorts.Engine.Desktop();
    const std::vector<TMonitor> monitors = desktop.Monitors();
    for (const layout::TLayout& editor : *editors) {
        if (desktop.IsIconic(editor.Wnd)) continue;
        const TWindowBox box{editor.Left, editor.Top, editor.Width, editor.Height};
        const TWindowBox moved = MoveOntoNearestWorkArea(box, monitors);
        if (moved == box) continue;
        // A window that closes meanwhile is simply not moved.
        GoOnRegardless(desktop.SetWindowPos(editor.Wnd, TInsertAfter::Top, moved.Left, moved.Top, moved.Width,
                                            moved.Height, KeepOrderAndFocus));
    }
}

// Only windows that still show the file they showed then; nothing is started or closed.
void TDisplayFollower::PutBack(const std::vector<layout::TLayout>& editors) {
    IDesktop& desktop = FPorts.Engine.Desktop();
    for (const layout::TLayout& editor : editors) {
        // A closed window shows no file.
        if (FPorts.Engine.GetEditorFileName(editor.Wnd) != editor.FileName || desktop.IsIconic(editor.Wnd)) continue;
        GoOnRegardless(desktop.SetWindowPos(editor.Wnd, TInsertAfter::Top, editor.Left, editor.Top, editor.Width,
                                            editor.Height, KeepOrderAndFocus));
    }
}

}  // namespace wyndrel::app
