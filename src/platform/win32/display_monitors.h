// The display monitors as the calling thread sees them: physical pixels in a per-monitor
// aware context, logical ones inside a DPI-unaware scope.
#pragma once

#include "platform/types.h"

#include <vector>

namespace wyndrel::win32 {

// Every monitor with its work area, the primary one first, where the nearest-monitor rules
// look first.
std::vector<TMonitor> DisplayMonitors();

}  // namespace wyndrel::win32
