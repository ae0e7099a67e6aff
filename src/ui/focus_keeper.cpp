// Keeping a window's focused control over activations and disabled spells.
#include "ui/focus_keeper.h"

#include <algorithm>

namespace wyndrel::ui {

TFocusKeeper::TFocusKeeper(IView& view, std::vector<int> tabOrder)
    : FView(view),
      FTabOrder(std::move(tabOrder)),
      FKept(FTabOrder.empty() ? FormId : FTabOrder.front()) {}

bool TFocusKeeper::CanTakeFocus(int id) const {
    return id != FormId && FView.Enabled(id) && FView.Visible(id);
}

int TFocusKeeper::StandIn() const {
    const auto kept = std::find(FTabOrder.begin(), FTabOrder.end(), FKept);
    const std::size_t start =
        kept == FTabOrder.end() ? 0 : static_cast<std::size_t>(kept - FTabOrder.begin());
    for (std::size_t step = 1; step <= FTabOrder.size(); ++step) {
        const int id = FTabOrder[(start + step) % FTabOrder.size()];
        if (CanTakeFocus(id)) return id;
    }
    return FormId;
}

void TFocusKeeper::KeepFocused() {
    const int focused = FView.Focused();
    if (focused == FormId || focused == FStandIn) return;
    FKept = focused;
    FStandIn = FormId;
}

bool TFocusKeeper::OnActivate(bool active) {
    if (!active) {
        KeepFocused();
        FActive = false;
        return false;
    }
    FActive = true;
    return Restore();
}

void TFocusKeeper::BeforeEnabling() {
    if (FActive) KeepFocused();
}

// Only a focus that was lost, or lent, moves: one the user placed stays where it is.
void TFocusKeeper::AfterEnabling() {
    if (!FActive) return;
    const int focused = FView.Focused();
    if (focused == FormId || (focused == FStandIn && CanTakeFocus(FKept))) Restore();
}

bool TFocusKeeper::Restore() {
    const int target = CanTakeFocus(FKept) ? FKept : StandIn();
    if (target == FormId) return false;
    FView.SetFocus(target);
    FStandIn = target == FKept ? FormId : target;
    return true;
}

}  // namespace wyndrel::ui
