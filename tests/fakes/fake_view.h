// A window in memory for presenter tests: every control's state by id, seeded from the form
// table, and popup menus answered from a script and recorded with the model as shown.
#pragma once

#include "ui/form.h"
#include "ui/view.h"

#include <deque>
#include <map>

namespace wyndrel::fakes {

struct TFakeControl {
    std::string Text;
    bool Checked = false;
    bool Enabled = true;
    bool Visible = true;
    Rect Bounds;
    std::vector<std::string> Items;
    int Selection = -1;
};

struct TShownPopup {
    ui::TMenuModel Menu;  // as it was when shown
    Point At;
};

class TFakeView : public ui::IView {
public:
    TFakeView() = default;
    // Controls and window as the form table creates them: captions, bounds, flags.
    explicit TFakeView(const ui::TFormSpec& form);

    // The answer to the next popup: an entry's id, or none for a dismissed menu. A popup
    // without a scripted answer is dismissed.
    void ChoosePopupEntry(std::optional<int> id) { FPopupChoices.push_back(id); }
    const std::vector<TShownPopup>& Popups() const { return FPopups; }
    const TFakeControl& Control(int id) const;
    bool Closed() const { return FClosed; }

    void SetText(int id, const std::string& text) override { At(id).Text = text; }
    std::string Text(int id) const override { return Control(id).Text; }
    void SetChecked(int id, bool checked) override { At(id).Checked = checked; }
    bool Checked(int id) const override { return Control(id).Checked; }
    void SetEnabled(int id, bool enabled) override { At(id).Enabled = enabled; }
    bool Enabled(int id) const override { return Control(id).Enabled; }
    void SetVisible(int id, bool visible) override { At(id).Visible = visible; }
    bool Visible(int id) const override { return Control(id).Visible; }
    void SetBounds(int id, const Rect& bounds) override { At(id).Bounds = bounds; }
    Rect Bounds(int id) const override { return Control(id).Bounds; }
    void SetItems(int id, const std::vector<std::string>& items) override;
    std::vector<std::string> Items(int id) const override { return Control(id).Items; }
    void SetSelection(int id, int index) override;
    int Selection(int id) const override { return Control(id).Selection; }
    void SetFocus(int id) override;
    int Focused() const override { return FFocused; }
    void Show() override { At(ui::FormId).Visible = true; }
    void Hide() override { At(ui::FormId).Visible = false; }
    void Close() override;
    std::optional<int> TrackPopup(const ui::TMenuModel& menu, Point screenPoint) override;

private:
    // An id the window does not have is a fault of the presenter: it throws.
    TFakeControl& At(int id);

    std::map<int, TFakeControl> FControls;
    std::deque<std::optional<int>> FPopupChoices;
    std::vector<TShownPopup> FPopups;
    int FFocused = ui::FormId;
    bool FClosed = false;
};

}  // namespace wyndrel::fakes
