// The four start positions of the main window.
#include "app/start_position.h"

#include "platform/work_area.h"
#include "settings/setting_keys.h"

namespace wyndrel::app {

std::optional<TStartPosition> StartWindowPosition(settings::TSettingsFile& settings,
                                                  const TStartWindowMetrics& window) {
    using namespace settings::keys;
    const Rect screen{0, 0, window.ScreenWidth, window.ScreenHeight};
    // Centred by its outer width but its client height, as the window always has been.
    const Rect centred = CentreOn({0, 0, window.OuterWidth, window.ClientHeight}, screen);
    const Rect clientCentred = CentreOn({0, 0, window.ClientWidth, window.ClientHeight}, screen);
    switch (settings.Read(StartWindowPosType)) {
        case 1:
            return std::nullopt;
        case 2:
            return TStartPosition{{settings.Read(UserLeft, window.Current.X),
                                   settings.Read(UserTop, window.Current.Y)},
                                  true};
        case 3:
            return TStartPosition{{centred.Left, centred.Top}, false};
        default:
            return TStartPosition{
                {settings.Read(Left, clientCentred.Left), settings.Read(Top, clientCentred.Top)},
                true};
    }
}

}  // namespace wyndrel::app
