// Scaling by the window's DPI.
#include "ui/scaling.h"

#include <cstdint>

namespace wyndrel::ui {

int ScaleToDpi(int value, int dpi) {
    const std::int64_t product = static_cast<std::int64_t>(value) * dpi;
    const std::int64_t half = BaseDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / BaseDpi
                                         : -((-product + half) / BaseDpi));
}

Rect ScaleToDpi(const Rect& bounds, int dpi) {
    return Rect{ScaleToDpi(bounds.Left, dpi), ScaleToDpi(bounds.Top, dpi),
                ScaleToDpi(bounds.Right, dpi), ScaleToDpi(bounds.Bottom, dpi)};
}

}  // namespace wyndrel::ui
