// Loading DLLs from the system folder. The search flags exist since Windows 8, and on
// Windows 7 with update KB2533623 only; without it the program still starts and reads
// versions.
#include "platform/win32/system_libraries.h"

#include <string>

namespace wyndrel::win32 {

void SearchDllsInSystemFolderOnly() {
    // Looked up at run time: a program importing it would not start on a Windows 7 without
    // the update.
    using TSetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
    FARPROC proc =
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (!proc) return;
    // Through a generic function pointer: the platform hands out FARPROC for every export.
    reinterpret_cast<TSetDefaultDllDirectories>(reinterpret_cast<void (*)()>(proc))(
        LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    // By its full path: a DLL of the same name that something loaded before from elsewhere
    // would be taken for a name alone.
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    // The DLLs it needs in turn come from the system folder too. Without the update the flag
    // is refused as an invalid parameter, and they are looked for beside it first.
    HMODULE library = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library || ::GetLastError() != ERROR_INVALID_PARAMETER) return library;
    return ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace wyndrel::win32
