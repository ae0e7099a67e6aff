// The view interface on a real window: view calls applied to the controls the binder holds.
#pragma once

#include "ui/view.h"
#include "ui/win32/form_binder.h"

#include <functional>

namespace wyndrel::ui::win32 {

class TWin32FormView : public IView {
public:
    // `close` ends the window as its kind wants (EndDialog for a modal dialog, DestroyWindow
    // for a window).
    TWin32FormView(TFormBinder& binder, std::function<void()> close)
        : FBinder(binder), FClose(std::move(close)) {}

    void SetText(int id, const std::string& text) override;
    std::string Text(int id) const override;
    void SetChecked(int id, bool checked) override;
    bool Checked(int id) const override;
    void SetEnabled(int id, bool enabled) override;
    bool Enabled(int id) const override;
    void SetVisible(int id, bool visible) override;
    bool Visible(int id) const override;
    void SetBounds(int id, const Rect& bounds) override { FBinder.SetLogicalBounds(id, bounds); }
    Rect Bounds(int id) const override { return FBinder.LogicalBounds(id); }
    void SetItems(int id, const std::vector<std::string>& items) override;
    std::vector<std::string> Items(int id) const override;
    void SetSelection(int id, int index) override;
    int Selection(int id) const override;
    void SetRows(int id, const std::vector<std::vector<std::string>>& rows) override;
    std::vector<std::vector<std::string>> Rows(int id) const override;
    void SetColumnWidth(int id, int column, int width) override;
    int ColumnWidth(int id, int column) const override;
    void SetCaret(int id, std::size_t position) override;
    void ReplaceSelection(int id, const std::string& text) override;
    void SetPosition(int id, int position) override;
    int Position(int id) const override;
    int CaptionWidth(int id) const override;
    void SetFocus(int id) override;
    int Focused() const override;
    Rect WindowRect() const override;
    void SetWindowRect(const Rect& rect) override;
    void Show() override;
    void Hide() override;
    void Close() override { FClose(); }
    std::optional<int> TrackPopup(const TMenuModel& menu, Point screenPoint) override;

private:
    // The control's handle, or the window's for FormId; an id the form lacks throws.
    HWND Handle(int id) const;
    bool IsKind(int id, TControlKind kind) const;
    bool IsComboBox(int id) const { return IsKind(id, TControlKind::ComboBox); }
    bool IsListView(int id) const { return IsKind(id, TControlKind::ListView); }
    bool IsTabControl(int id) const { return IsKind(id, TControlKind::TabControl); }

    TFormBinder& FBinder;
    std::function<void()> FClose;
};

}  // namespace wyndrel::ui::win32
