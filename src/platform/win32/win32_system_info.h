// The system-information port on the platform: the kernel's version call, the registry of
// the local machine, the user and computer names, the 64-bit memory status, the screen.
#pragma once

#include "platform/system_info.h"

namespace wyndrel::win32 {

class TWin32SystemInfo : public ISystemInfo {
public:
    TOsVersion OsVersion() override;
    std::optional<std::string> LocalMachineText(const std::string& keyPath,
                                                const std::string& valueName) override;
    std::string UserName() override;
    std::string ComputerName() override;
    TMemoryStatus MemoryStatus() override;
    std::string SystemDirectory() override;
    TDisplayFacts Display() override;
};

}  // namespace wyndrel::win32
