// The three shapes of the main window: which one a start takes, the change-view cycle, and
// each shape's border, client size, gradient bar, button rectangles and captions.
#pragma once

#include "platform/types.h"

#include <array>
#include <cstdint>
#include <string>

namespace wyndrel::app {

enum class TViewMode : std::uint8_t { Normal = 0, Horizontal = 1, Vertical = 2 };

// Any value but 1 and 2 is the normal shape.
TViewMode ViewModeFromNumber(std::int32_t mode);

// `UserWindowMode` counts 1..3 with 0 for "the shape of the last exit"; `LastWindowMode`
// counts 0..2. Anything out of range is the normal shape.
TViewMode ViewModeAtStart(std::int32_t userWindowMode, std::int32_t lastWindowMode);

// normal → horizontal → vertical → normal; icon mode is never part of the cycle.
TViewMode NextViewMode(TViewMode mode);

struct TPlacedButton {
    const char* Name;
    Rect Bounds;  // client pixels at 96 DPI
};

struct TButtonCaption {
    const char* Name;
    const char* Caption;
};

struct TMainWindowArrangement {
    bool TitleBar = true;  // single fixed border with a title bar; none at all when false
    std::int32_t ClientWidth = 0;
    std::int32_t ClientHeight = 0;
    bool GradientBarVisible = false;
    std::array<TPlacedButton, 8> Buttons;  // in tab order
    std::array<TButtonCaption, 3> Captions;
};

// The gradient bar's place; it is shown only in the vertical shape.
inline constexpr Rect GradientBarBounds{2, 1, 2 + 53, 1 + 16};

const TMainWindowArrangement& ArrangeMainWindow(TViewMode mode);

}  // namespace wyndrel::app
