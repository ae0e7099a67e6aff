// The scatter pass over the editor windows and the snapshot rules of scatter and put in order.
#include "app/scatter.h"

#include "app/main_window_ids.h"
#include "layout/editor_interface.h"
#include "layout/layout_commands.h"
#include "platform/go_on_regardless.h"

#include <algorithm>
#include <random>

namespace wyndrel::app {
namespace {

// The bounding box of every monitor, as SM_CXVIRTUALSCREEN and SM_CYVIRTUALSCREEN measure it.
Rect VirtualScreen(const std::vector<TMonitor>& monitors) {
    if (monitors.empty()) return {};
    Rect box = monitors.front().Bounds;
    for (const TMonitor& monitor : monitors) {
        box.Left = std::min(box.Left, monitor.Bounds.Left);
        box.Top = std::min(box.Top, monitor.Bounds.Top);
        box.Right = std::max(box.Right, monitor.Bounds.Right);
        box.Bottom = std::max(box.Bottom, monitor.Bounds.Bottom);
    }
    return box;
}

std::uint16_t AreaSide(std::int64_t desktopSide) {
    return static_cast<std::uint16_t>(std::clamp<std::int64_t>(desktopSide - 5, 0, 65535));
}

}  // namespace

TScatterCommands::TScatterCommands(TScatterPorts ports, std::string snapshotPath,
                                   ui::TCommandTable& commands)
    : FPorts(ports), FSnapshotPath(std::move(snapshotPath)) {
    commands.Add(ids::pmScatter, [this] { ScatterWindows(); });
    commands.Add(ids::WindowMenuScatter, [this] { ScatterWindows(); });
    commands.Add(ids::pmPutInOrder, [this] { pmPutInOrderClick(); });
}

TScatterArea ScatterAreaOf(const std::vector<TMonitor>& monitors) {
    const Rect box = VirtualScreen(monitors);
    return {AreaSide(static_cast<std::int64_t>(box.Right) - box.Left),
            AreaSide(static_cast<std::int64_t>(box.Bottom) - box.Top)};
}

void ScatterEditors(layout::TLayoutEngine& engine, IClock& clock) {
    const TScatterArea area = ScatterAreaOf(engine.Desktop().Monitors());
    // One generator for the pass: seeding it again per window from a coarse clock would give
    // every window of the pass the same place.
    std::mt19937 generator(clock.RandomSeed());
    auto random = [&generator](std::uint16_t n) {
        if (n == 0) return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(generator);
    };
    VisitTopLevelWindows(engine.Desktop(), [&](WindowId window) {
        if (engine.GetWndClassName(window) != layout::EditorMainClass) return true;
        if (engine.GetEditorFileName(window).empty()) return true;
        const int x = random(area.Width), width = random(area.Width);
        const int y = random(area.Height), height = random(area.Height);
        // A maximised window would take the random rectangle as its normal one and stay as
        // large as its monitor: it goes back to its normal size first.
        if (engine.Desktop().IsZoomed(window)) engine.Desktop().RestoreWithoutActivating(window);
        // A window that closes during the pass is simply not moved.
        GoOnRegardless(
            engine.Desktop().SetWindowPos(window, TInsertAfter::Top, x, y, width, height,
                                          TPlacementFlags::NoZOrder | TPlacementFlags::NoActivate));
        return true;
    });
}

void TScatterCommands::ScatterWindows() {
    if (!SnapshotExists() &&
        !layout::SaveLayout(FPorts.Engine, FPorts.Files, FPorts.Ui, FSnapshotPath))
        return;
    ScatterEditors(FPorts.Engine, FPorts.Clock);
    FPutInOrderEnabled = true;
}

void TScatterCommands::pmPutInOrderClick() {
    if (SnapshotExists()) {
        // A failed read ends here with the silent abort; a stop at the header question too
        // keeps the snapshot.
        if (!layout::LoadLayout(FPorts.Launcher, FPorts.Files, FPorts.Ui, FSnapshotPath)) return;
        // A snapshot that cannot be deleted stays, and the tray menu, which follows the file,
        // goes on offering to put the windows in order.
        GoOnRegardless(FPorts.Files.RemoveFile(FSnapshotPath));
    } else {
        FPorts.Ui.ShowMessageDialog(TDialogType::Warning, FSnapshotPath + SnapshotMissingText,
                                    TBoxButtons::Ok);
    }
    FPutInOrderEnabled = false;
}

}  // namespace wyndrel::app
