// The user's registry in memory: values by key and name, and writes refused on demand.
#pragma once

#include "platform/user_registry.h"

#include <map>
#include <utility>

namespace wyndrel::fakes {

class TFakeUserRegistry : public IUserRegistry {
public:
    std::map<std::pair<std::string, std::string>, std::string> Values;
    // While set, every write and removal fails with access denied.
    bool Refuse = false;

    std::optional<std::string> ReadString(const std::string& key,
                                          const std::string& name) override {
        auto found = Values.find({key, name});
        if (found == Values.end()) return std::nullopt;
        return found->second;
    }
    std::optional<TPlatformError> WriteString(const std::string& key, const std::string& name,
                                              const std::string& value) override {
        if (Refuse) return Denied();
        Values[{key, name}] = value;
        return std::nullopt;
    }
    std::optional<TPlatformError> DeleteValue(const std::string& key,
                                              const std::string& name) override {
        if (Refuse) return Denied();
        Values.erase({key, name});
        return std::nullopt;
    }

private:
    static TPlatformError Denied() {
        return {"ERegistryException", "アクセスが拒否されました。", 5};
    }
};

}  // namespace wyndrel::fakes
