// Putting an editor window back on a layout entry's place and in its show state: the one rule
// the restore of a layout and the return of windows after a display change share.
#pragma once

#include "layout/layout_record.h"
#include "platform/desktop.h"

#include <vector>

namespace wyndrel::layout {

// How a placed window stands among the others afterwards.
enum class TPlaceStacking {
    BringToTop,  // shown and put at the top of the ordinary windows, activated
    KeepZOrder,  // left where it is in the Z order and not activated (but see maximising)
};

// The rectangle `entry`'s window is placed at before it is shown as it was: its normal one,
// brought onto the nearest monitor's work area when it overlaps none of `monitors`.
TWindowBox OnScreenPlacementBox(const TLayout& entry, const std::vector<TMonitor>& monitors);

// Restores `window` from minimised or maximised, places it at `entry`'s on-screen placement
// box, then maximises it when the entry was maximised, so it is maximised on the monitor that
// holds its normal rectangle and "restore down" returns it there. Maximising activates the
// window whatever `stacking` says: the platform has no maximising that does not. A window
// that closed meanwhile is left alone without a word.
void PlaceEditorWindow(IDesktop& desktop, WindowId window, const TLayout& entry,
                       TPlaceStacking stacking);

}  // namespace wyndrel::layout
