// The registry port: string values under the current user's own part of the registry
// (HKEY_CURRENT_USER), read, written and removed one at a time.
#pragma once

#include "platform/types.h"

#include <optional>
#include <string>

namespace wyndrel {

class IUserRegistry {
public:
    virtual ~IUserRegistry() = default;
    // The string value `name` of `key` (a path below the user's root); none when the key or
    // the value is missing or holds no string.
    virtual std::optional<std::string> ReadString(const std::string& key,
                                                  const std::string& name) = 0;
    // Makes the key when it is missing.
    [[nodiscard]] virtual std::optional<TPlatformError> WriteString(const std::string& key,
                                                                    const std::string& name,
                                                                    const std::string& value) = 0;
    // A value that is not there is no failure.
    [[nodiscard]] virtual std::optional<TPlatformError> DeleteValue(const std::string& key,
                                                                    const std::string& name) = 0;
};

}  // namespace wyndrel
