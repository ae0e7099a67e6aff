// The gradient arithmetic of the gradient bar: colour parts and the bands one fill paints,
// as plain values so the painter only has to draw them.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <vector>

namespace wyndrel::widgets {

// Red in bits 0-7, green 8-15, blue 16-23; a set high byte marks a system colour.
using TColor = std::uint32_t;

enum class TDirection { dHorizontal, dVertical };

// One rectangle (right and bottom exclusive) filled with one colour.
struct TGradationBand {
    Rect Bounds;
    TColor Color = 0;
    friend bool operator==(const TGradationBand&, const TGradationBand&) = default;
};

// One byte of the colour: 0 blue, 1 green, 2 red; any other `which` gives 0.
std::uint8_t ColorPart(TColor color, int which);

// blue * 65536 + green * 256 + red, high byte 0.
TColor PartsToColor(std::uint8_t blue, std::uint8_t green, std::uint8_t red);

// The bands between (left, top) and (right, bottom): N + 2 bands from the start colour to
// the end colour, then a trailing fill in the last band's colour when room is left.
// Rectangles may run past right or bottom; the painter clips them to the control. Bands that
// would begin at or past `limit` (the control's far edge) are left out: they cannot show, and
// a huge step count must not cost a band each.
std::vector<TGradationBand> FillGradation(TDirection direction, std::int32_t left, std::int32_t top,
                                          std::int32_t right, std::int32_t bottom, int steps,
                                          TColor startColor, TColor endColor,
                                          std::int32_t limit = INT32_MAX);

}  // namespace wyndrel::widgets
