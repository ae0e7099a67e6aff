// Where the main window starts, from `StartWindowPosType` and the positions it names.
#pragma once

#include "platform/types.h"
#include "settings/settings_file.h"

#include <cstdint>
#include <optional>

namespace wyndrel::app {

// The main window once its shape is set, in screen pixels.
struct TStartWindowMetrics {
    Point Current;  // where the window is now
    std::int32_t OuterWidth = 0;
    std::int32_t OuterHeight = 0;
    std::int32_t ClientWidth = 0;
    std::int32_t ClientHeight = 0;
    std::int32_t ScreenWidth = 0;
    std::int32_t ScreenHeight = 0;
};

struct TStartPosition {
    Point Position;
    bool Stored = false;  // read from the settings, so perhaps from a monitor gone since
};

// None for the automatic position (the window stays where it was built). The screen centre
// uses the outer width but the client height, and the default of the last-exit position
// the client size: the program has always placed itself so. Halves truncate toward zero.
std::optional<TStartPosition> StartWindowPosition(settings::TSettingsFile& settings,
                                                  const TStartWindowMetrics& window);

}  // namespace wyndrel::app
