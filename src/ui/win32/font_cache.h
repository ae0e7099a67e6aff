// The fonts of a window's controls: each face and height created once per DPI, owned here,
// and released when the window that owns the cache goes.
#pragma once

#include "platform/win32/unique_handle.h"
#include "ui/form.h"

#include <map>
#include <tuple>

namespace wyndrel::ui::win32 {

class TFontCache {
public:
    // The font for `font` at `dpi`; stays valid as long as the cache.
    HFONT Get(const TFontSpec& font, int dpi);
    std::size_t Count() const { return FFonts.size(); }

private:
    std::map<std::tuple<TFontFace, int, bool, int>, wyndrel::win32::TUniqueGdiObject> FFonts;
};

}  // namespace wyndrel::ui::win32
