// The program's own icon from its resources, at the sizes the window class and the
// notification area show.
#pragma once

#include "platform/win32/windows_header.h"

namespace wyndrel::app::win32 {

enum class TIconSize { Large, Small };

// A shared icon (never destroyed); the platform's application icon when the running module
// carries none of its own, as a test executable does.
HICON LoadProgramIcon(TIconSize size);

}  // namespace wyndrel::app::win32
