// Formatting the system-information lines of the About window.
#include "dialogs/system_info_text.h"

#include "platform/silent_abort.h"
#include "text/trim.h"

#include <algorithm>

namespace wyndrel::dialogs {
namespace {

constexpr const char* Windows9xKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* WindowsNtKey = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// The difference of two counts, never wrapping below zero.
std::uint64_t Used(std::uint64_t total, std::uint64_t available) {
    return total > available ? total - available : 0;
}

// The platform lines; the registry key they read from ("" when none), for the owner's name.
std::string AddPlatformLines(ISystemInfo& system, std::uint32_t platformId,
                             std::vector<std::string>& lines) {
    if (platformId == 0) {
        lines.insert(lines.end(),
                     {"Windows       :16Bit Windows", "Platform Type :Win32s",
                      "WindowsVersion:Unkonwon", "16Bit Windowsの情報は取得出来ません"});
        throw ESilentAbort();
    }
    if (platformId != 1 && platformId != 2) return {};
    const std::string key = platformId == 1 ? Windows9xKey : WindowsNtKey;
    lines.push_back("Windows       :" + system.LocalMachineText(key, "ProductName").value_or(""));
    lines.push_back(platformId == 1 ? "Platform Type :Windows 9x" : "Platform Type :Windows NT");
    return key;
}

void AddMemoryLines(const TMemoryStatus& memory, std::vector<std::string>& lines) {
    lines.push_back("物理MemorySize:" + MegabytesText(memory.TotalPhys));
    lines.push_back("物理MemoryUse :" + MegabytesText(Used(memory.TotalPhys, memory.AvailPhys)));
    lines.push_back("仮想MemorySize:" + MegabytesText(memory.TotalVirtual));
    lines.push_back("仮想MemoryUse :" +
                    MegabytesText(Used(memory.TotalVirtual, memory.AvailVirtual)));
    lines.push_back("PageMemorySize:" + MegabytesText(memory.TotalPageFile));
    lines.push_back("PageMemoryUse :" +
                    MegabytesText(Used(memory.TotalPageFile, memory.AvailPageFile)));
}

}  // namespace

void AddSystemLines(ISystemInfo& system, TGetVerInfo& verInfo, std::vector<std::string>& lines) {
    const TOsVersion os = system.OsVersion();
    const std::string key = AddPlatformLines(system, os.PlatformId, lines);
    std::string version = "WindowsVersion:" + std::to_string(os.Major) + "." +
                          std::to_string(os.Minor) + "." + std::to_string(os.Build & 0xFFFFu);
    if (!text::Trim(os.ServicePack).empty()) version += " " + os.ServicePack;
    lines.push_back(version);
    lines.push_back("User Name     :" + system.UserName());
    lines.push_back(
        "Owner Name    :" +
        (key.empty() ? "" : system.LocalMachineText(key, "RegisteredOwner").value_or("")));
    lines.push_back("Computer Name :" + system.ComputerName());
    AddMemoryLines(system.MemoryStatus(), lines);
    verInfo.SetFileName(system.SystemDirectory() + "\\COMCTL32.DLL");
    lines.push_back("CMCTRL32.DLL  :" + verInfo.FileVersion());
    const TDisplayFacts display = system.Display();
    lines.push_back("Screen Size   :" + std::to_string(display.ScreenWidth) + "x" +
                    std::to_string(display.ScreenHeight));
    lines.push_back(ColorDepthLine(display.Planes, display.BitsPerPixel));
}

std::string MegabytesText(std::uint64_t bytes) {
    return std::to_string(bytes / 1048576 + 1) + "MB";
}

std::string ColorDepthLine(int planes, int bitsPerPixel) {
    const unsigned depth = static_cast<unsigned>(planes * bitsPerPixel) % 256u;
    return "Color Depth   :" + std::to_string(depth) + " bpp(" + PowerOfTwoText(depth) + "色)";
}

std::string PowerOfTwoText(unsigned exponent) {
    std::string digits = "1";  // least significant digit first
    for (unsigned i = 0; i < exponent; ++i) {
        int carry = 0;
        for (char& digit : digits) {
            const int doubled = (digit - '0') * 2 + carry;
            digit = static_cast<char>('0' + doubled % 10);
            carry = doubled / 10;
        }
        if (carry) digits.push_back(static_cast<char>('0' + carry));
    }
    std::reverse(digits.begin(), digits.end());
    return digits;
}

}  // namespace wyndrel::dialogs
