// Files dropped on a window (WM_DROPFILES) as the typed list a presenter receives.
#pragma once

#include "platform/win32/windows_header.h"

#include <string>
#include <vector>

namespace wyndrel::ui::win32 {

// The dropped paths in the platform's order. The drop is always released (DragFinish),
// also when reading a name fails.
std::vector<std::string> TakeDroppedFiles(HDROP drop);

}  // namespace wyndrel::ui::win32
