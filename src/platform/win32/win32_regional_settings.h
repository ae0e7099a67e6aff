// The regional-settings port on Win32: the user's locale through GetLocaleInfoEx.
#pragma once

#include "platform/regional_settings.h"

namespace wyndrel::win32 {

class TWin32RegionalSettings : public IRegionalSettings {
public:
    std::optional<std::string> LocaleText(TRegionalItem item) override;
};

}  // namespace wyndrel::win32
