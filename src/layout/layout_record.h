// One editor window of a layout: the file it shows, its caret, its rectangle and whether it
// was maximised.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <string>

namespace wyndrel::layout {

enum class TShowState { Normal, Maximized };

struct TLayout {
    std::string FileName;
    std::int32_t SelStart = 0;  // caret: character index of the selection start
    std::int32_t Left = 0;      // screen pixels
    std::int32_t Top = 0;
    std::int32_t Width = 0;   // right edge minus left edge
    std::int32_t Height = 0;  // bottom edge minus top edge
    WindowId Wnd;             // the editor's main window; capture only, never stored in a file
    // A maximised window keeps Left ... Height as the platform reports them while maximised,
    // which is what readers that do not know the show state restore, and holds here the
    // rectangle it is restored to (screen pixels); a window in any other state has none.
    TShowState ShowState = TShowState::Normal;
    TWindowBox NormalRect{};
    friend bool operator==(const TLayout&, const TLayout&) = default;
};

// Where the window is placed before it is shown as it was: a maximised window's normal
// rectangle, else its rectangle.
inline TWindowBox PlacementBox(const TLayout& entry) {
    if (entry.ShowState == TShowState::Maximized) return entry.NormalRect;
    return {entry.Left, entry.Top, entry.Width, entry.Height};
}

}  // namespace wyndrel::layout
