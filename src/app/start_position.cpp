// The four start positions of the main window.
#include "app/start_position.h"

#include "settings/setting_keys.h"

namespace wyndrel::app {

std::optional<TStartPosition> StartWindowPosition(settings::TSettingsFile& settings, const TStartWindowMetrics& window) {
    using namespace settings::keys;
    switch (settings.Read(StartWindowPosType)) {
        case 1: return std::nullopt;
        case 2:
            return TStartPosition{{settings.Read(UserLeft, window.Current.X), settings.Read(UserTop, window.Current.Y)},
                                  true};
        case 3:
            return TStartPosition{{(window.ScreenWidth - window.OuterWidth) / 2,
                                   (window.ScreenHeight - window.ClientHeight) / 2},
                                  false};
        default:
            return TStartPosition{{settings.Read(Left, (window.ScreenWidth - window.ClientWidth) / 2),
                                   settings.Read(Top, (window.ScreenHeight - window.ClientHeight) / 2)},
                                  true};
    }
}

}  // namespace wyndrel::app
