// What the soak reads of the resident program from outside after a block of rounds: its
// handles, GDI and USER objects, windows, threads, working set and processor time.
#pragma once

#include "platform/win32/windows_header.h"

#include <string>

namespace bench {

struct TCounts {
    DWORD Handles = 0;
    DWORD PlatformLeaks = 0;  // of the handles, those the platform's own code leaks (Wine 8)
    DWORD GdiObjects = 0;   // 0 where the platform does not count them (see GuiResourcesCounted)
    DWORD UserObjects = 0;
    DWORD Windows = 0;      // its top-level windows and all their descendants
    DWORD Threads = 0;
    double WorkingSetKiB = 0;
    double ProcessorMs = 0;  // user and kernel time since it started
};

TCounts ReadCounts(HANDLE process);

// Whether GetGuiResources answers for another process here; Wine's answers 0 and sets
// ERROR_CALL_NOT_IMPLEMENTED. `note` then says so.
bool GuiResourcesCounted(HANDLE process, std::string& note);

}  // namespace bench
