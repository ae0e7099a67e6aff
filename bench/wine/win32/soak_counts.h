// What the soak reads of the resident program from outside after a block of rounds: its
// handles, GDI and USER objects, windows, threads, working set and processor time.
#pragma once

#include "platform/win32/windows_header.h"

#include <string>

namespace bench {

struct TCounts {
    DWORD Handles = 0;
    DWORD PlatformLeaks = 0;  // of the handles, those the platform's own code leaks (Wine 8)
    DWORD GdiObjects = 0;     // 0 where they cannot be counted (see GuiCounting)
    DWORD UserObjects = 0;
    DWORD Windows = 0;  // its top-level windows and all their descendants
    DWORD Threads = 0;
    double WorkingSetKiB = 0;
    double ProcessorMs = 0;  // user and kernel time since it started
};

TCounts ReadCounts(HANDLE process);

// How GDI and USER objects are counted here. Windows answers GetGuiResources for another
// process; Wine 8 answers 0 and sets ERROR_CALL_NOT_IMPLEMENTED. Its GDI objects are then
// counted in the process's own GDI handle table, its USER objects not at all (they live in
// the server, with no owner a program can ask for). `Note` says so where it applies.
struct TGuiCounting {
    bool Gdi = false;
    bool User = false;
    std::string Note;
};
TGuiCounting GuiCounting(HANDLE process);

}  // namespace bench
