// A small form and its presenter, used to try the building blocks of the program's windows
// on real controls: a name box, a check box, a menu button, OK and Cancel.
#pragma once

#include "platform/timer.h"
#include "ui/form.h"
#include "ui/view.h"

#include <optional>

namespace e2e::sample {

enum TSampleId : int {
    lblName = 100,
    txtName,
    chkTop,
    btnMenu,
    lblEcho,
    btnOK,
    btnCancel,
    SampleTimer = 1,
    pmFirst = 300,
    pmChecked,
    pmDisabled,
    pmSub,
    pmInner,
    pmHidden,
    pmNextColumn,
};

wyndrel::ui::TFormSpec SampleForm();
// A row of a test's form table.
wyndrel::ui::TControlSpec MakeControl(int id, wyndrel::ui::TControlKind kind, const char* name,
                                      const char* caption, wyndrel::Rect bounds,
                                      std::uint32_t flags = wyndrel::ui::NoFlags,
                                      const char* hint = "");
// The popup the menu button opens; its checked entry follows the check box.
wyndrel::ui::TMenuModel SampleMenu(bool checked);

struct TSampleResult {
    bool Confirmed = false;
    std::string Name;
    std::optional<int> MenuChoice;
};

// Echoes the name into a label, opens the popup at the menu button, checks the box on its
// timer's first tick, and closes on OK (keeping the name) or Cancel.
class TSamplePresenter : public wyndrel::ui::IFormEvents {
public:
    TSamplePresenter(wyndrel::ui::IView& view, wyndrel::ITimer& timer)
        : FView(view), FTimer(timer) {}
    void OnShow() override;
    void OnControl(const wyndrel::ui::TControlEvent& event) override;
    void OnTimer(int timerId) override;
    const TSampleResult& Result() const { return FResult; }

private:
    wyndrel::ui::IView& FView;
    wyndrel::ITimer& FTimer;
    TSampleResult FResult;
};

}  // namespace e2e::sample
