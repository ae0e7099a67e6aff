// One editor window of a layout: the file it shows, its caret and its rectangle.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <string>

namespace wyndrel::layout {

struct TLayout {
    std::string FileName;
    std::int32_t SelStart = 0;  // caret: character index of the selection start
    std::int32_t Left = 0;      // screen pixels
    std::int32_t Top = 0;
    std::int32_t Width = 0;     // right edge minus left edge
    std::int32_t Height = 0;    // bottom edge minus top edge
    WindowId Wnd;               // the editor's main window; capture only, never stored in a file
    friend bool operator==(const TLayout&, const TLayout&) = default;
};

}  // namespace wyndrel::layout
