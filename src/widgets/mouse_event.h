// Mouse buttons and shift states that the widgets report with their mouse events.
#pragma once

#include <cstdint>

namespace wyndrel::widgets {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// The keys and buttons held during a mouse event, as a set of flags.
enum TShiftFlag : std::uint8_t {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
};
using TShiftState = std::uint8_t;

// The shift state that holds only the given button.
inline TShiftState ButtonShift(TMouseButton button) {
    switch (button) {
        case TMouseButton::mbLeft:
            return ssLeft;
        case TMouseButton::mbRight:
            return ssRight;
        case TMouseButton::mbMiddle:
            return ssMiddle;
    }
    return 0;
}

}  // namespace wyndrel::widgets
