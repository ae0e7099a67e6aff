// What a presenter sees of its window: controls by id, the window itself, and popup menus.
// The Win32 view is the only code that knows the handles; tests use a fake view.
#pragma once

#include "platform/types.h"
#include "ui/menu_model.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace wyndrel::ui {

// The id that names the window itself: its caption is its text.
inline constexpr int FormId = 0;

class IView {
public:
    virtual ~IView() = default;

    virtual void SetText(int id, const std::string& text) = 0;
    virtual std::string Text(int id) const = 0;
    virtual void SetChecked(int id, bool checked) = 0;
    virtual bool Checked(int id) const = 0;
    virtual void SetEnabled(int id, bool enabled) = 0;
    virtual bool Enabled(int id) const = 0;
    virtual void SetVisible(int id, bool visible) = 0;
    virtual bool Visible(int id) const = 0;
    // Client pixels at 96 DPI, as in the form table; for FormId the client size.
    virtual void SetBounds(int id, const Rect& bounds) = 0;
    virtual Rect Bounds(int id) const = 0;
    // The entries of a list or combo box, and the selected one (-1 for none).
    virtual void SetItems(int id, const std::vector<std::string>& items) = 0;
    virtual std::vector<std::string> Items(int id) const = 0;
    virtual void SetSelection(int id, int index) = 0;
    virtual int Selection(int id) const = 0;
    // A list view's rows, each a row of cells (the first the row's caption), and the width of
    // its columns in pixels at 96 DPI. Selection works on its rows.
    virtual void SetRows(int id, const std::vector<std::vector<std::string>>& rows) = 0;
    virtual std::vector<std::vector<std::string>> Rows(int id) const = 0;
    virtual void SetColumnWidth(int id, int column, int width) = 0;
    virtual int ColumnWidth(int id, int column) const = 0;
    // An edit box's caret, in characters from the start of its text; a position past the end
    // puts it at the end, which is then scrolled into sight.
    virtual void SetCaret(int id, std::size_t position) = 0;
    // Replaces an edit box's selection (at the caret when nothing is selected) by `text`; the
    // caret follows the inserted text.
    virtual void ReplaceSelection(int id, const std::string& text) = 0;
    // An up-down's position, kept within its range; setting it writes the position into its
    // buddy box as the arrows do.
    virtual void SetPosition(int id, int position) = 0;
    virtual int Position(int id) const = 0;
    // The width of the control's caption, as written (an "&" counted), in its font, in
    // pixels at 96 DPI.
    virtual int CaptionWidth(int id) const = 0;
    virtual void SetFocus(int id) = 0;
    virtual int Focused() const = 0;  // FormId when no control of the window has the focus

    // The window's outer rectangle in screen pixels: where it is kept between two openings.
    virtual Rect WindowRect() const = 0;
    virtual void SetWindowRect(const Rect& rect) = 0;

    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Close() = 0;

    // Opens `menu` at a screen point and waits until it closes: the chosen entry's id, or
    // none when the menu was dismissed.
    virtual std::optional<int> TrackPopup(const TMenuModel& menu, Point screenPoint) = 0;
};

// What a window tells its presenter, already typed.
// ContextMenu: the user asked for the control's context menu (right button, or the menu key).
enum class TControlEventKind { Click, Change, SelectionChange, DoubleClick, ContextMenu };

struct TControlEvent {
    int Id = 0;
    TControlEventKind Kind = TControlEventKind::Click;
    friend bool operator==(const TControlEvent&, const TControlEvent&) = default;
};

class IFormEvents {
public:
    virtual ~IFormEvents() = default;
    virtual void OnShow() {}
    virtual void OnControl(const TControlEvent& event) = 0;
    virtual void OnTimer(int /*timerId*/) {}
    // The client area changed size (the user dragged the frame); Bounds(FormId) has the new size.
    virtual void OnResize() {}
    // Files dropped on the window, in the platform's order.
    virtual void OnDrop(const std::vector<std::string>& /*paths*/) {}
    // A turn of the mouse wheel over the window at a client point (96-DPI pixels): positive
    // away from the user. True when the window used it.
    virtual bool OnMouseWheel(Point /*clientPoint*/, int /*delta*/) { return false; }
    // Files dropped on a file-drop control `id` (TControlKind::FileDropListBox or
    // FileDropEdit), before the control applies them: the paths it took (the first only when
    // it takes one), which the handler may edit, and `accept`, true on entry; a refused drop
    // is not applied.
    virtual void OnDropQuery(int /*id*/, std::vector<std::string>& /*paths*/, bool& /*accept*/) {}
    // An accepted drop has been applied by file-drop control `id`.
    virtual void OnDropFinished(int /*id*/) {}
    // A character typed into numeric box `id`, before the box filters it; setting `key` to 0
    // discards it.
    virtual void OnKeyPress(int /*id*/, char32_t& /*key*/) {}
    // Up-down `id` is about to go from `position` to `requestedPosition` (its arrows, its keys
    // or the wheel); false refuses the change.
    virtual bool OnUpDownChanging(int /*id*/, int /*position*/, int /*requestedPosition*/) {
        return true;
    }
};

}  // namespace wyndrel::ui
