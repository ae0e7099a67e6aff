// Domain value types shared by every port: window and process identities, geometry.
#pragma once

#include <cstdint>
#include <string>

namespace wyndrel {

// A window of the desktop, as the platform names it; 0 is no window.
struct WindowId {
    std::uintptr_t Value = 0;
    explicit operator bool() const { return Value != 0; }
    friend bool operator==(WindowId, WindowId) = default;
};

struct ProcessId {
    std::uint32_t Value = 0;
    friend bool operator==(ProcessId, ProcessId) = default;
};

struct Point {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(Point, Point) = default;
};

// Edges in screen pixels, as the platform reports a window rectangle.
struct Rect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    std::int32_t Width() const { return Right - Left; }
    std::int32_t Height() const { return Bottom - Top; }
    friend bool operator==(Rect, Rect) = default;
};

// A window's place as layouts record it and start-up information asks for it: position and
// size apart.
struct TWindowBox {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    friend bool operator==(TWindowBox, TWindowBox) = default;
};

// A display monitor: its whole area and its work area (the part task bars and docked tool
// bars leave free), in screen pixels.
struct TMonitor {
    Rect Bounds;
    Rect WorkArea;
    friend bool operator==(const TMonitor&, const TMonitor&) = default;
};

// What went wrong in a platform operation: the error's type name as the program reports
// it (for instance "EInOutError"), the platform's message text and its error code.
struct TPlatformError {
    std::string TypeName;
    std::string Message;
    std::uint32_t Code = 0;
};

}  // namespace wyndrel
