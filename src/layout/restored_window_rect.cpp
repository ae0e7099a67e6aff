// Where a captured editor window is recorded: a minimised one by the rectangle it comes back
// to, so that a restored layout never puts a window where no screen shows it, and a
// maximised one by the rectangle it covers and the one "restore down" returns it to.
#include "layout/layout_engine.h"

namespace wyndrel::layout {

std::optional<Rect> TLayoutEngine::RestoredWindowRect(WindowId window) {
    if (FDesktop.IsIconic(window)) return FDesktop.NormalPosition(window);
    return FDesktop.WindowRect(window);
}

void TLayoutEngine::RecordShowState(WindowId window, TLayout& entry) {
    if (!FDesktop.IsZoomed(window)) return;
    // A window that closed meanwhile keeps the rectangle it was captured with.
    auto normal = FDesktop.NormalPosition(window);
    if (!normal) return;
    entry.ShowState = TShowState::Maximized;
    entry.NormalRect = {normal->Left, normal->Top, normal->Width(), normal->Height()};
}

}  // namespace wyndrel::layout
