// The placement of an editor window on a layout entry. The window is restored before it is
// moved: a maximised window moved by SetWindowPos stays maximised, and would keep covering
// the monitor it was on.
#include "layout/editor_placement.h"

#include "platform/go_on_regardless.h"
#include "platform/work_area.h"

namespace wyndrel::layout {

TWindowBox OnScreenPlacementBox(const TLayout& entry, const std::vector<TMonitor>& monitors) {
    return MoveOntoNearestWorkArea(PlacementBox(entry), monitors);
}

void PlaceEditorWindow(IDesktop& desktop, WindowId window, const TLayout& entry,
                       TPlaceStacking stacking) {
    const bool toTop = stacking == TPlaceStacking::BringToTop;
    TGeometryPass pass(desktop);
    if (desktop.IsZoomed(window) || desktop.IsIconic(window)) {
        if (toTop)
            desktop.Restore(window);
        else
            desktop.RestoreWithoutActivating(window);
    }
    const TWindowBox box = OnScreenPlacementBox(entry, desktop.Monitors());
    const TPlacementFlags flags = toTop ? TPlacementFlags::ShowWindow
                                        : TPlacementFlags::NoZOrder | TPlacementFlags::NoActivate;
    // A window that is gone is not placed, and the maximising below finds nothing either.
    GoOnRegardless(desktop.SetWindowPos(window,
                                        toTop ? TInsertAfter::NotTopMost : TInsertAfter::Top,
                                        box.Left, box.Top, box.Width, box.Height, flags));
    if (entry.ShowState == TShowState::Maximized) desktop.Maximize(window);
}

}  // namespace wyndrel::layout
