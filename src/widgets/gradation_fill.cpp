// Band sizes and band colours of a gradient fill.
#include "widgets/gradation_fill.h"

#include <array>
#include <cmath>

namespace wyndrel::widgets {

std::uint8_t ColorPart(TColor color, int which) {
    switch (which) {
        case 0:
            return static_cast<std::uint8_t>((color >> 16) & 0xFF);
        case 1:
            return static_cast<std::uint8_t>((color >> 8) & 0xFF);
        case 2:
            return static_cast<std::uint8_t>(color & 0xFF);
        default:
            return 0;
    }
}

TColor PartsToColor(std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
    return static_cast<TColor>(blue) * 65536u + static_cast<TColor>(green) * 256u + red;
}

namespace {

// The band size comes from the far coordinate itself, not from the extent; the vertical
// direction rounds half to even where the horizontal one truncates.
std::int32_t BandSize(TDirection direction, std::int32_t right, std::int32_t bottom,
                      std::int64_t divisor) {
    double size = direction == TDirection::dHorizontal
                      ? std::trunc(static_cast<double>(bottom) / static_cast<double>(divisor))
                      : std::nearbyint(static_cast<double>(right) / static_cast<double>(divisor));
    std::int32_t whole = static_cast<std::int32_t>(size);
    return whole == 0 ? 1 : whole;
}

// Dividing first and multiplying second, as the colours have always been computed: the
// product can land just below the whole difference and leave the last band one short.
std::uint8_t BandPart(int start, int end, std::int64_t divisor, std::int64_t index) {
    double step = static_cast<double>(end - start) / static_cast<double>(divisor);
    return static_cast<std::uint8_t>(
        start + static_cast<int>(std::trunc(step * static_cast<double>(index))));
}

}  // namespace

std::vector<TGradationBand> FillGradation(TDirection direction, std::int32_t left, std::int32_t top,
                                          std::int32_t right, std::int32_t bottom, int steps,
                                          TColor startColor, TColor endColor, std::int32_t limit) {
    std::vector<TGradationBand> bands;
    const std::int64_t divisor = std::int64_t{steps} + 1;
    // No band can be sized or coloured without a positive divisor; nothing is painted then.
    if (divisor <= 0) return bands;

    std::array<int, 3> starts{}, ends{};
    for (int part = 0; part < 3; ++part) {
        starts[part] = ColorPart(startColor, part);
        ends[part] = ColorPart(endColor, part);
    }
    const bool horizontal = direction == TDirection::dHorizontal;
    const std::int32_t size = BandSize(direction, right, bottom, divisor);
    std::int32_t position = horizontal ? top : left;
    TColor color = startColor & 0xFFFFFF;
    for (std::int64_t index = 0; index <= divisor && position < limit; ++index) {
        color = PartsToColor(BandPart(starts[0], ends[0], divisor, index),
                             BandPart(starts[1], ends[1], divisor, index),
                             BandPart(starts[2], ends[2], divisor, index));
        Rect bounds = horizontal ? Rect{left, position, right, position + size}
                                 : Rect{position, top, position + size, bottom};
        bands.push_back({bounds, color});
        position += size;
    }
    const std::int32_t farEdge = horizontal ? bottom : right;
    if (position < limit && position + size < farEdge) {
        bands.push_back(
            {horizontal ? Rect{left, position, right, bottom} : Rect{position, top, right, bottom},
             color});
    }
    return bands;
}

}  // namespace wyndrel::widgets
