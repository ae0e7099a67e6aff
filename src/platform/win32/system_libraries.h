// DLLs from the system folder only: one of the same name beside the program, in the current
// folder or on the PATH is never loaded in its place.
#pragma once

#include "platform/win32/windows_header.h"

namespace wyndrel::win32 {

// Makes the system folder the only place where the process's later loads of a DLL named
// without a path look, the loads the shell and the common dialogs make for the program
// included. Done first thing, before anything loads a DLL on the program's behalf.
void SearchDllsInSystemFolderOnly();

// The system folder's DLL `name`, loaded for the caller to free; null when it could not be.
HMODULE LoadSystemLibrary(const wchar_t* name);

}  // namespace wyndrel::win32
