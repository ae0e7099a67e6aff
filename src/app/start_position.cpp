// The four start positions of the main window.
#include "app/start_position.h"

#include "settings/setting_keys.h"

namespace wyndrel::app {

std::optional<TStartPosition> StartWindowPosition(settings::TSettingsFile& settings, const TStartWindowMetrics& window) {
    using namespace settings::keys;
    auto read = [&settings](const settings::TIntegerKey& key, std::int32_t defaultValue) {
        return settings.ReadInteger(key.Section, key.Name, defaultValue);
    };
    switch (read(StartWindowPosType, StartWindowPosType.Default)) {
        case 1: return std::nullopt;
        case 2: return TStartPosition{{read(UserLeft, window.Current.X), read(UserTop, window.Current.Y)}, true};
        case 3:
            return TStartPosition{{(window.ScreenWidth - window.OuterWidth) / 2,
                                   (window.ScreenHeight - window.ClientHeight) / 2},
                                  false};
        default:
            return TStartPosition{{read(Left, (window.ScreenWidth - window.ClientWidth) / 2),
                                   read(Top, (window.ScreenHeight - window.ClientHeight) / 2)},
                                  true};
    }
}

}  // namespace wyndrel::app
