// The shape tables of the main window. Neighbouring buttons overlap by one pixel (a width
// of 73 on a pitch of 72, a height of 21 on a pitch of 20), so the right-most and bottom
// buttons of the normal and horizontal shapes reach one pixel past the client area.
#include "app/view_mode.h"

namespace wyndrel::app {
namespace {

constexpr Rect Box(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    return Rect{left, top, left + width, top + height};
}

const TMainWindowArrangement NormalShape{
    true,
    144,
    96,
    false,
    {{{"btnRead", Box(0, 0, 73, 25)},
      {"btnSave", Box(72, 0, 73, 25)},
      {"btnSituate", Box(0, 24, 73, 25)},
      {"btnOption", Box(72, 24, 73, 25)},
      {"btnChangeView", Box(0, 48, 73, 25)},
      {"btnClose", Box(72, 48, 73, 25)},
      {"btnReadEnd", Box(0, 72, 73, 25)},
      {"btnSaveEnd", Box(72, 72, 73, 25)}}},
    {{{"btnReadEnd", "読込.終(&1)"},
      {"btnSaveEnd", "保存.終(&2)"},
      {"btnChangeView", "表示切替(&V)"}}},
};

const TMainWindowArrangement HorizontalShape{
    true,
    204,
    40,
    false,
    {{{"btnRead", Box(0, 0, 49, 21)},
      {"btnSave", Box(48, 0, 49, 21)},
      {"btnSituate", Box(96, 0, 49, 21)},
      {"btnOption", Box(0, 20, 49, 21)},
      {"btnChangeView", Box(48, 20, 49, 21)},
      {"btnClose", Box(96, 20, 49, 21)},
      {"btnReadEnd", Box(144, 0, 61, 21)},
      {"btnSaveEnd", Box(144, 20, 61, 21)}}},
    {{{"btnReadEnd", "読込.終(&1)"}, {"btnSaveEnd", "保存.終(&2)"}, {"btnChangeView", "表示(&V)"}}},
};

const TMainWindowArrangement VerticalShape{
    false,
    56,
    181,
    true,
    {{{"btnRead", Box(3, 18, 51, 21)},
      {"btnSave", Box(3, 38, 51, 21)},
      {"btnSituate", Box(3, 58, 51, 21)},
      {"btnOption", Box(3, 78, 51, 21)},
      {"btnChangeView", Box(3, 98, 51, 21)},
      {"btnClose", Box(3, 118, 51, 21)},
      {"btnReadEnd", Box(3, 138, 51, 21)},
      {"btnSaveEnd", Box(3, 158, 51, 21)}}},
    {{{"btnReadEnd", "&1.読終"}, {"btnSaveEnd", "&2.保終"}, {"btnChangeView", "表示(&V)"}}},
};

}  // namespace

TViewMode ViewModeFromNumber(std::int32_t mode) {
    if (mode == 1) return TViewMode::Horizontal;
    if (mode == 2) return TViewMode::Vertical;
    return TViewMode::Normal;
}

TViewMode ViewModeAtStart(std::int32_t userWindowMode, std::int32_t lastWindowMode) {
    if (userWindowMode >= 1 && userWindowMode <= 3) return ViewModeFromNumber(userWindowMode - 1);
    return ViewModeFromNumber(lastWindowMode);
}

TViewMode NextViewMode(TViewMode mode) {
    switch (mode) {
        case TViewMode::Normal:
            return TViewMode::Horizontal;
        case TViewMode::Horizontal:
            return TViewMode::Vertical;
        case TViewMode::Vertical:
            break;
    }
    return TViewMode::Normal;
}

const TMainWindowArrangement& ArrangeMainWindow(TViewMode mode) {
    switch (mode) {
        case TViewMode::Horizontal:
            return HorizontalShape;
        case TViewMode::Vertical:
            return VerticalShape;
        case TViewMode::Normal:
            break;
    }
    return NormalShape;
}

}  // namespace wyndrel::app
