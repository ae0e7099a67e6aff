// Where a captured editor window is recorded: a minimised one by the rectangle it comes back
// to, so that a restored layout never puts a window where no screen shows it.
#include "layout/layout_engine.h"

namespace wyndrel::layout {

std::optional<Rect> TLayoutEngine::RestoredWindowRect(WindowId window) {
    if (FDesktop.IsIconic(window)) return FDesktop.NormalPosition(window);
    return FDesktop.WindowRect(window);
}

}  // namespace wyndrel::layout
