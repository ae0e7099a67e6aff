// The system-information port: facts about the machine for the About window's text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace wyndrel {

// The operating system's version as its kernel reports it (not lowered by compatibility
// shims). PlatformId: 0 a 16-bit-based system, 1 the Windows 9x family, 2 the NT family.
struct TOsVersion {
    std::uint32_t PlatformId = 2;
    std::uint32_t Major = 0;
    std::uint32_t Minor = 0;
    std::uint32_t Build = 0;
    std::string ServicePack;
};

// Byte counts of the machine's memory, 64 bits wide: machines have more than 4 GiB.
struct TMemoryStatus {
    std::uint64_t TotalPhys = 0, AvailPhys = 0;
    std::uint64_t TotalVirtual = 0, AvailVirtual = 0;
    std::uint64_t TotalPageFile = 0, AvailPageFile = 0;
};

struct TDisplayFacts {
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    int Planes = 1;
    int BitsPerPixel = 0;
};

class ISystemInfo {
public:
    virtual ~ISystemInfo() = default;

    virtual TOsVersion OsVersion() = 0;
    // A text value under a key of the local machine's registry, read only; none when the
    // key or the value is missing or not text.
    virtual std::optional<std::string> LocalMachineText(const std::string& keyPath,
                                                        const std::string& valueName) = 0;
    virtual std::string UserName() = 0;
    virtual std::string ComputerName() = 0;
    virtual TMemoryStatus MemoryStatus() = 0;
    // Without a closing backslash.
    virtual std::string SystemDirectory() = 0;
    virtual TDisplayFacts Display() = 0;
};

}  // namespace wyndrel
