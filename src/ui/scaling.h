// Geometry of the program's windows is written in pixels at 96 DPI; these scale it to the
// window's DPI (exactly the table's values at 96).
#pragma once

#include "platform/types.h"

namespace wyndrel::ui {

inline constexpr int BaseDpi = 96;

// `value` × dpi / 96, rounded half away from zero.
int ScaleToDpi(int value, int dpi);

// Scales the edges, not the sizes, so that controls that share or overlap an edge in the
// table still do at any DPI.
Rect ScaleToDpi(const Rect& bounds, int dpi);

}  // namespace wyndrel::ui
