// Bringing recorded window rectangles onto a monitor of this desk. Edges are computed in 64
// bits: a layout file may hold any 32-bit position and size.
#include "platform/work_area.h"

#include <algorithm>
#include <optional>

namespace wyndrel {
namespace {

struct TEdges {
    std::int64_t Left, Top, Right, Bottom;
};

// A box of no or negative size still stands somewhere: it counts as one pixel there.
TEdges EdgesOf(const TWindowBox& box) {
    return {box.Left, box.Top, std::int64_t{box.Left} + std::max(box.Width, 1),
            std::int64_t{box.Top} + std::max(box.Height, 1)};
}

TEdges EdgesOf(const Rect& rect) {
    return {rect.Left, rect.Top, std::max<std::int64_t>(rect.Right, std::int64_t{rect.Left} + 1),
            std::max<std::int64_t>(rect.Bottom, std::int64_t{rect.Top} + 1)};
}

// How far apart two spans of one axis are; 0 when they overlap, negative the overlap's length.
std::int64_t Gap(std::int64_t start, std::int64_t end, std::int64_t low, std::int64_t high) {
    if (end <= low) return low - end;
    if (start >= high) return start - high;
    return std::max(start, low) - std::min(end, high);
}

// Smaller is nearer: the distance between two rectangles that do not meet, or minus the
// area they share when they do.
double Remoteness(const TEdges& a, const Rect& b) {
    double dx = static_cast<double>(Gap(a.Left, a.Right, b.Left, b.Right));
    double dy = static_cast<double>(Gap(a.Top, a.Bottom, b.Top, b.Bottom));
    if (dx < 0 && dy < 0) return -dx * dy;
    dx = std::max(dx, 0.0);
    dy = std::max(dy, 0.0);
    return dx * dx + dy * dy;
}

// The monitor whose `area` is nearest to `edges`; the first of equals, so the primary one.
std::optional<TMonitor> NearestMonitor(const TEdges& edges, const std::vector<TMonitor>& monitors,
                                       Rect TMonitor::*area) {
    std::optional<TMonitor> nearest;
    double best = 0;
    for (const TMonitor& monitor : monitors) {
        const Rect& candidate = monitor.*area;
        if (candidate.Width() <= 0 || candidate.Height() <= 0) continue;
        double remoteness = Remoteness(edges, candidate);
        if (!nearest || remoteness < best) {
            nearest = monitor;
            best = remoteness;
        }
    }
    return nearest;
}

// One axis of a box put inside [low, high): moved in with its length where it fits, else
// the whole span.
void FitInto(std::int32_t& start, std::int32_t& length, std::int32_t low, std::int32_t high) {
    const std::int64_t span = std::int64_t{high} - low;
    if (length > span) {
        start = low;
        length = static_cast<std::int32_t>(span);
        return;
    }
    const std::int64_t lastStart = high - std::int64_t{std::max(length, 0)};
    start = static_cast<std::int32_t>(std::clamp<std::int64_t>(start, low, lastStart));
}

}  // namespace

TWindowBox MoveOntoNearestWorkArea(const TWindowBox& box, const std::vector<TMonitor>& monitors) {
    const TEdges edges = EdgesOf(box);
    auto nearest = NearestMonitor(edges, monitors, &TMonitor::WorkArea);
    if (!nearest || Remoteness(edges, nearest->WorkArea) < 0) return box;
    TWindowBox moved = box;
    FitInto(moved.Left, moved.Width, nearest->WorkArea.Left, nearest->WorkArea.Right);
    FitInto(moved.Top, moved.Height, nearest->WorkArea.Top, nearest->WorkArea.Bottom);
    return moved;
}

Rect CentreOn(const Rect& box, const Rect& target, const std::optional<Rect>& keepInside) {
    const std::int32_t width = box.Width(), height = box.Height();
    auto centred = [](std::int32_t start, std::int32_t span, std::int32_t length) {
        return static_cast<std::int32_t>(start + (std::int64_t{span} - length) / 2);
    };
    std::int32_t left = centred(target.Left, target.Width(), width);
    std::int32_t top = centred(target.Top, target.Height(), height);
    if (keepInside) {
        const Rect& area = *keepInside;
        if (left < area.Left) left = area.Left;
        if (top < area.Top) top = area.Top;
        if (top + height > area.Bottom) top = area.Bottom - height;
        if (left + width > area.Right) left = area.Right - width;
    }
    return Rect{left, top, left + width, top + height};
}

std::optional<Rect> WorkAreaHolding(const Rect& window, const std::vector<TMonitor>& monitors) {
    auto monitor = NearestMonitor(EdgesOf(window), monitors, &TMonitor::Bounds);
    if (!monitor) return std::nullopt;
    return monitor->WorkArea;
}

Rect WorkspaceToScreen(const Rect& normal, const std::vector<TMonitor>& monitors) {
    auto monitor = NearestMonitor(EdgesOf(normal), monitors, &TMonitor::Bounds);
    if (!monitor) return normal;
    const std::int32_t dx = monitor->WorkArea.Left - monitor->Bounds.Left;
    const std::int32_t dy = monitor->WorkArea.Top - monitor->Bounds.Top;
    return {normal.Left + dx, normal.Top + dy, normal.Right + dx, normal.Bottom + dy};
}

}  // namespace wyndrel
