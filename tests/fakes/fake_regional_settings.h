// Regional settings in memory: the values a test sets; any other item is one the platform
// does not give.
#pragma once

#include "platform/regional_settings.h"

#include <map>

namespace wyndrel::fakes {

class TFakeRegionalSettings : public IRegionalSettings {
public:
    std::optional<std::string> LocaleText(TRegionalItem item) override {
        const auto found = Values.find(item);
        if (found == Values.end()) return std::nullopt;
        return found->second;
    }

    std::map<TRegionalItem, std::string> Values;
};

}  // namespace wyndrel::fakes
