// Drops made by a test as the shell makes them, for WM_DROPFILES sent to a window.
#pragma once

#include "platform/win32/windows_header.h"

#include <string>
#include <vector>

namespace e2e {

// DROPFILES with wide names, each ended by a NUL, and a second NUL after the last. The
// receiver releases it (DragFinish).
HDROP MakeDrop(const std::vector<std::wstring>& paths);

// Whether the drop's memory has been released.
bool DropReleased(HDROP drop);

}  // namespace e2e
