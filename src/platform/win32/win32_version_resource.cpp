// Reading a file's version resource whole.
#include "platform/win32/win32_version_resource.h"

#include "platform/win32/wide_string.h"
#include "platform/win32/windows_header.h"

namespace wyndrel::win32 {

std::optional<std::vector<std::uint8_t>> TWin32VersionResource::ReadVersionResource(const std::string& fileName) {
    const std::wstring wide = Widen(fileName);
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(wide.c_str(), &ignored);
    if (size == 0) return std::nullopt;
    std::vector<std::uint8_t> data(size);
    if (!::GetFileVersionInfoW(wide.c_str(), 0, size, data.data())) return std::nullopt;
    return data;
}

std::string TWin32VersionResource::LastErrorText() { return SystemErrorText(::GetLastError()); }

}  // namespace wyndrel::win32
