// The keyboard focus of a window that is no dialog box, kept as a dialog box keeps it: the
// control that had it when the window was deactivated, or that lost it by being disabled, has
// it again when the window comes back; while that control cannot take it, the next one in
// tab order that can stands in.
#pragma once

#include "ui/view.h"

#include <vector>

namespace wyndrel::ui {

class TFocusKeeper {
public:
    // `tabOrder`: the window's controls in tab order; the first has the focus to begin with.
    TFocusKeeper(IView& view, std::vector<int> tabOrder);

    // The window was activated or deactivated; true when a control has been given the focus.
    bool OnActivate(bool active);
    // Around enabling and disabling controls: a focused control that is disabled is the one
    // that has the focus back once it can take it again.
    void BeforeEnabling();
    void AfterEnabling();
    // Gives the focus to the kept control, or to its stand-in; false when none can take it.
    bool Restore();

private:
    bool CanTakeFocus(int id) const;
    // The next control after the kept one, in tab order and round, that can take the focus;
    // FormId for none.
    int StandIn() const;
    // The focused control, unless it is the stand-in: the user's choice to keep.
    void KeepFocused();

    IView& FView;
    std::vector<int> FTabOrder;
    int FKept;
    int FStandIn = FormId;  // the control lent the focus, while it has it
    bool FActive = false;
};

}  // namespace wyndrel::ui
