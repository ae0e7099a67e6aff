// Finding the wheel's up-down among a sheet's controls.
#include "dialogs/option_wheel.h"

namespace wyndrel::dialogs {
namespace {

bool Contains(const Rect& r, Point at) {
    return at.X >= r.Left && at.X < r.Right && at.Y >= r.Top && at.Y < r.Bottom;
}

const ui::TControlSpec* ControlAt(const std::vector<ui::TControlSpec>& sheet, const ui::IView& view,
                                  Point at) {
    const ui::TControlSpec* group = nullptr;
    for (const ui::TControlSpec& spec : sheet) {
        if (!view.Visible(spec.Id) || !view.Enabled(spec.Id) || !Contains(view.Bounds(spec.Id), at))
            continue;
        if (spec.Kind != ui::TControlKind::GroupBox) return &spec;
        group = &spec;
    }
    return group;
}

// The up-down that sits against the box's right edge, at the mouse's height.
const ui::TControlSpec* RightNeighbour(const std::vector<ui::TControlSpec>& sheet,
                                       const ui::IView& view, int boxId, Point at) {
    const int edge = view.Bounds(boxId).Right;
    for (const ui::TControlSpec& spec : sheet) {
        const Rect bounds = view.Bounds(spec.Id);
        if (spec.Id != boxId && bounds.Left == edge && at.Y >= bounds.Top && at.Y < bounds.Bottom)
            return &spec;
    }
    return nullptr;
}

}  // namespace

std::optional<int> WheelUpDown(const std::vector<ui::TControlSpec>& sheet, const ui::IView& view,
                               Point at) {
    const ui::TControlSpec* target = ControlAt(sheet, view, at);
    // A numeric box, or a plain box that an up-down writes into: the up-down against it.
    const bool box = target && (target->Kind == ui::TControlKind::NumEdit ||
                                target->Kind == ui::TControlKind::Edit);
    if (box) target = RightNeighbour(sheet, view, target->Id, at);
    if (!target || target->Kind != ui::TControlKind::UpDown) return std::nullopt;
    return target->Id;
}

}  // namespace wyndrel::dialogs
