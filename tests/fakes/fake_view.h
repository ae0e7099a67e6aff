// A window in memory for presenter tests: every control's state by id, seeded from the form
// table, and popup menus answered from a script and recorded with the model as shown.
#pragma once

#include "ui/form.h"
#include "ui/view.h"

#include <deque>
#include <functional>
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
    std::vector<std::vector<std::string>> Rows;
    std::vector<int> ColumnWidths;
    // An edit box's selection in characters; SetText puts the caret at the start.
    std::size_t SelStart = 0;
    std::size_t SelLength = 0;
    int Position = 0;  // an up-down's, kept within Min … Max as the platform does
    int Min = 0;
    int Max = 0;
    int Buddy = 0;  // the box an up-down writes its position into; 0 for none
    bool Thousands = true;
};

struct TShownPopup {
    ui::TMenuModel Menu;  // as it was when shown
    Point At;
};

class TFakeView : public ui::IView {
public:
    // The frame the fake draws around the client area, so that a window designed at a client
    // size of 492 × 273 is 500 × 300 outside.
    static constexpr int FrameWidth = 4;
    static constexpr int CaptionHeight = 23;

    TFakeView() = default;
    // Controls and window as the form table creates them: captions, bounds, flags.
    explicit TFakeView(const ui::TFormSpec& form);

    // The answer to the next popup: an entry's id, or none for a dismissed menu. A popup
    // without a scripted answer is dismissed.
    void ChoosePopupEntry(std::optional<int> id) { FPopupChoices.push_back(id); }
    // Runs while a popup is on screen, before it returns.
    std::function<void()> DuringPopup;
    const std::vector<TShownPopup>& Popups() const { return FPopups; }
    const TFakeControl& Control(int id) const;
    bool Closed() const { return FClosed; }

    void SetText(int id, const std::string& text) override;
    std::string Text(int id) const override { return Control(id).Text; }
    void SetChecked(int id, bool checked) override { At(id).Checked = checked; }
    bool Checked(int id) const override { return Control(id).Checked; }
    // A disabled control loses the focus, as with EnableWindow: no control has it then.
    void SetEnabled(int id, bool enabled) override;
    bool Enabled(int id) const override { return Control(id).Enabled; }
    void SetVisible(int id, bool visible) override { At(id).Visible = visible; }
    bool Visible(int id) const override { return Control(id).Visible; }
    void SetBounds(int id, const Rect& bounds) override { At(id).Bounds = bounds; }
    Rect Bounds(int id) const override { return Control(id).Bounds; }
    void SetItems(int id, const std::vector<std::string>& items) override;
    std::vector<std::string> Items(int id) const override { return Control(id).Items; }
    void SetSelection(int id, int index) override;
    int Selection(int id) const override { return Control(id).Selection; }
    void SetRows(int id, const std::vector<std::vector<std::string>>& rows) override;
    std::vector<std::vector<std::string>> Rows(int id) const override { return Control(id).Rows; }
    void SetColumnWidth(int id, int column, int width) override {
        At(id).ColumnWidths.at(Column(column)) = width;
    }
    int ColumnWidth(int id, int column) const override {
        return Control(id).ColumnWidths.at(Column(column));
    }
    void SetCaret(int id, std::size_t position) override;
    void ReplaceSelection(int id, const std::string& text) override;
    // The user's selection in an edit box, in characters.
    void SelectText(int id, std::size_t start, std::size_t length);
    // Writes the position into the buddy box, as the platform's up-down does.
    void SetPosition(int id, int position) override;
    int Position(int id) const override { return Control(id).Position; }
    // Half-width characters 6 pixels, the others 12: the width of the program's fonts.
    int CaptionWidth(int id) const override;
    void SetFocus(int id) override;
    int Focused() const override { return FFocused; }
    // The focus went to another window.
    void LoseFocus() { FFocused = ui::FormId; }
    Rect WindowRect() const override { return FWindowRect; }
    void SetWindowRect(const Rect& rect) override { FWindowRect = rect; }
    void Show() override { At(ui::FormId).Visible = true; }
    void Hide() override { At(ui::FormId).Visible = false; }
    void Close() override;
    std::optional<int> TrackPopup(const ui::TMenuModel& menu, Point screenPoint) override;

private:
    // An id the window does not have is a fault of the presenter: it throws.
    TFakeControl& At(int id);
    static std::size_t Column(int column) { return static_cast<std::size_t>(column); }

    std::map<int, TFakeControl> FControls;
    std::deque<std::optional<int>> FPopupChoices;
    std::vector<TShownPopup> FPopups;
    Rect FWindowRect;
    int FFocused = ui::FormId;
    bool FClosed = false;
};

}  // namespace wyndrel::fakes
