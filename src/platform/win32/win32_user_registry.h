// The registry port on the Win32 registry functions, below HKEY_CURRENT_USER.
#pragma once

#include "platform/user_registry.h"

namespace wyndrel::win32 {

class TWin32UserRegistry : public IUserRegistry {
public:
    std::optional<std::string> ReadString(const std::string& key, const std::string& name) override;
    std::optional<TPlatformError> WriteString(const std::string& key, const std::string& name,
                                              const std::string& value) override;
    std::optional<TPlatformError> DeleteValue(const std::string& key,
                                              const std::string& name) override;
};

}  // namespace wyndrel::win32
