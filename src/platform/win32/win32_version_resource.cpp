// Reading a file's version resource whole. version.dll is not one of the system's known
// DLLs: imported at load time, a version.dll lying beside the program would be loaded in
// its place before the program's first line, so it is loaded from the system folder when
// a version is first read.
#include "platform/win32/win32_version_resource.h"

#include "platform/win32/system_libraries.h"
#include "platform/win32/wide_string.h"

namespace wyndrel::win32 {
namespace {

template <typename Function>
Function Export(HMODULE library, const char* name) {
    // Through a generic function pointer: the platform hands out FARPROC for every export.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library, name)));
}

}  // namespace

bool TWin32VersionResource::LoadVersionFunctions() {
    if (FLibrary) return true;
    TUniqueModule library(LoadSystemLibrary(L"version.dll"));
    if (!library) return false;
    FGetSize = Export<decltype(FGetSize)>(library.Get(), "GetFileVersionInfoSizeW");
    FGetInfo = Export<decltype(FGetInfo)>(library.Get(), "GetFileVersionInfoW");
    if (!FGetSize || !FGetInfo) return false;
    FLibrary = std::move(library);
    return true;
}

std::optional<std::vector<std::uint8_t>> TWin32VersionResource::ReadVersionResource(
    const std::string& fileName) {
    if (!LoadVersionFunctions()) return std::nullopt;
    const std::wstring wide = Widen(fileName);
    DWORD ignored = 0;
    const DWORD size = FGetSize(wide.c_str(), &ignored);
    if (size == 0) return std::nullopt;
    std::vector<std::uint8_t> data(size);
    if (!FGetInfo(wide.c_str(), 0, size, data.data())) return std::nullopt;
    return data;
}

std::string TWin32VersionResource::LastErrorText() { return SystemErrorText(::GetLastError()); }

}  // namespace wyndrel::win32
