// Texts and steps of up-down arrows.
#include "ui/up_down.h"

#include <algorithm>
#include <cstdint>

namespace wyndrel::ui {

std::string UpDownText(int position, bool thousands) {
    const std::int64_t value = position;
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string text = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (thousands && i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

int SteppedPosition(const TUpDownSpec& upDown, int position, int delta) {
    const std::int64_t moved = static_cast<std::int64_t>(position) + delta;
    return static_cast<int>(std::clamp<std::int64_t>(moved, upDown.Min, upDown.Max));
}

}  // namespace wyndrel::ui
