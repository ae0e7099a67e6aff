// Keeping windows where the user can see them: rectangles recorded on another desk or at
// another time are brought onto a monitor of this one.
#pragma once

#include "platform/types.h"

#include <optional>
#include <vector>

namespace wyndrel {

// `box` as it is when it overlaps the work area of some monitor, even by one pixel; else
// moved onto the work area nearest to it, kept whole inside it with its size where it fits
// and shrunk to it where it does not. With no monitors known, `box` as it is.
TWindowBox MoveOntoNearestWorkArea(const TWindowBox& box, const std::vector<TMonitor>& monitors);

// `box`'s size centred on `target`, each half of the difference rounded toward zero, so an odd
// pixel goes to the right and below. Given `keepInside` (a work area), the result is then
// pulled inside it edge by edge in the order left, top, bottom, right: on an area too small
// for the box its right and bottom edges are the ones kept inside.
Rect CentreOn(const Rect& box, const Rect& target,
              const std::optional<Rect>& keepInside = std::nullopt);

// The work area of the monitor that holds `window`, picked as MonitorFromWindow picks it with
// MONITOR_DEFAULTTONEAREST: the monitor the window shares the most area with, else the one
// nearest to it, the first of equals (the primary one). None with no monitors known.
std::optional<Rect> WorkAreaHolding(const Rect& window, const std::vector<TMonitor>& monitors);

// A window placement's normal position (workspace coordinates, which start at the top left
// corner of the work area of the window's monitor) in screen coordinates.
Rect WorkspaceToScreen(const Rect& normal, const std::vector<TMonitor>& monitors);

}  // namespace wyndrel
