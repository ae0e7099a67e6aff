// A planted "version.dll": when the program's own code calls one of its version functions,
// it writes "<its own path>.called" beside itself. The functions find no version resource,
// so a program that used them shows none.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

HINSTANCE Self = nullptr;

// The call came from the program's file, not from a system DLL that imports version.dll
// for itself (Wine's user32 does; on Windows user32 is a known DLL that takes nothing
// from the program's folder).
bool CalledByTheProgram(void* returnAddress) {
    HMODULE caller = nullptr;
    ::GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        static_cast<LPCWSTR>(returnAddress), &caller);
    return caller != nullptr && caller == ::GetModuleHandleW(nullptr);
}

void MarkCall(void* returnAddress) {
    if (!CalledByTheProgram(returnAddress)) return;
    wchar_t path[MAX_PATH + 8] = {};
    const DWORD length = ::GetModuleFileNameW(Self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    ::lstrcatW(path, L".called");
    HANDLE mark = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark != INVALID_HANDLE_VALUE) ::CloseHandle(mark);
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) Self = self;
    return TRUE;
}

DWORD WINAPI PlantedFileVersionInfoSize(LPCWSTR, LPDWORD handle) {
    MarkCall(__builtin_return_address(0));
    if (handle) *handle = 0;
    ::SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return 0;
}

BOOL WINAPI PlantedFileVersionInfo(LPCWSTR, DWORD, DWORD, LPVOID) {
    MarkCall(__builtin_return_address(0));
    ::SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return FALSE;
}

BOOL WINAPI PlantedQueryValue(LPCVOID, LPCWSTR, LPVOID*, PUINT) {
    MarkCall(__builtin_return_address(0));
    return FALSE;
}

}  // extern "C"
