// The version-resource port on the platform's GetFileVersionInfoSizeW and GetFileVersionInfoW.
#pragma once

#include "platform/version_resource.h"

namespace wyndrel::win32 {

class TWin32VersionResource : public IVersionResource {
public:
    [[nodiscard]] std::optional<std::vector<std::uint8_t>> ReadVersionResource(const std::string& fileName) override;
    std::string LastErrorText() override;
};

}  // namespace wyndrel::win32
