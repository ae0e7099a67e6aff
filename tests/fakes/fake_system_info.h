// A machine described by plain fields, and a registry of text values by key and name.
#pragma once

#include "platform/system_info.h"

#include <map>
#include <utility>

namespace wyndrel::fakes {

class TFakeSystemInfo : public ISystemInfo {
public:
    TOsVersion Os;
    std::map<std::pair<std::string, std::string>, std::string>
        Registry;  // (key, value name) → text
    std::string User = "taro";
    std::string Computer = "DESK01";
    TMemoryStatus Memory;
    std::string SystemFolder = "C:\\windows\\system32";
    TDisplayFacts Screen{1024, 768, 1, 32};

    TOsVersion OsVersion() override { return Os; }
    std::optional<std::string> LocalMachineText(const std::string& keyPath,
                                                const std::string& valueName) override {
        auto found = Registry.find({keyPath, valueName});
        if (found == Registry.end()) return std::nullopt;
        return found->second;
    }
    std::string UserName() override { return User; }
    std::string ComputerName() override { return Computer; }
    TMemoryStatus MemoryStatus() override { return Memory; }
    std::string SystemDirectory() override { return SystemFolder; }
    TDisplayFacts Display() override { return Screen; }
};

}  // namespace wyndrel::fakes
