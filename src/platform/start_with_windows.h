// Starting the program when the user logs on: the value "Wyndrel" of the user's Run key,
// naming this executable in double quotes and with no argument.
#pragma once

#include "platform/user_registry.h"

#include <optional>
#include <string>
#include <string_view>

namespace wyndrel {

inline constexpr std::string_view RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view RunValueName = "Wyndrel";

class TStartWithWindows {
public:
    TStartWithWindows(IUserRegistry& registry, std::string exePath)
        : FRegistry(registry), FExePath(std::move(exePath)) {}

    // The Run value names this executable (quoted or not, in any letter case).
    bool Registered();
    // Writes the value, or removes it when it names this executable; a value another copy of
    // the program wrote stays. Nothing else is touched.
    [[nodiscard]] std::optional<TPlatformError> Set(bool on);
    // "\"<path>\"".
    std::string RunCommand() const { return "\"" + FExePath + "\""; }

private:
    IUserRegistry& FRegistry;
    std::string FExePath;
};

}  // namespace wyndrel
