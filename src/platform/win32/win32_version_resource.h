// The version-resource port on the platform's GetFileVersionInfoSizeW and GetFileVersionInfoW,
// taken from the system folder's version.dll the first time a version is read.
#pragma once

#include "platform/version_resource.h"
#include "platform/win32/unique_handle.h"

namespace wyndrel::win32 {

class TWin32VersionResource : public IVersionResource {
public:
    [[nodiscard]] std::optional<std::vector<std::uint8_t>> ReadVersionResource(
        const std::string& fileName) override;
    std::string LastErrorText() override;

private:
    [[nodiscard]] bool LoadVersionFunctions();

    TUniqueModule FLibrary;
    decltype(&::GetFileVersionInfoSizeW) FGetSize = nullptr;
    decltype(&::GetFileVersionInfoW) FGetInfo = nullptr;
};

}  // namespace wyndrel::win32
