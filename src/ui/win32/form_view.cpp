// Each view call as the control's own message or the window function it stands for.
#include "ui/win32/form_view.h"

#include "platform/win32/wide_string.h"
#include "platform/win32/win32_rect.h"
#include "text/utf8.h"
#include "ui/win32/list_view.h"
#include "ui/win32/popup_menu.h"
#include "ui/win32/tab_and_up_down.h"
#include "ui/win32/text_extent.h"

#include <stdexcept>

namespace wyndrel::ui::win32 {

using wyndrel::win32::Narrow;
using wyndrel::win32::Widen;

HWND TWin32FormView::Handle(int id) const {
    if (id == FormId) return FBinder.Window();
    HWND control = FBinder.Control(id);
    if (!control) throw std::out_of_range("the form has no control " + std::to_string(id));
    return control;
}

bool TWin32FormView::IsKind(int id, TControlKind kind) const {
    const TControlSpec* spec = FBinder.Spec(id);
    return spec && spec->Kind == kind;
}

void TWin32FormView::SetText(int id, const std::string& text) {
    ::SetWindowTextW(Handle(id), Widen(text).c_str());
}

std::string TWin32FormView::Text(int id) const {
    HWND window = Handle(id);
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void TWin32FormView::SetChecked(int id, bool checked) {
    ::SendMessageW(Handle(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TWin32FormView::Checked(int id) const {
    return ::SendMessageW(Handle(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TWin32FormView::SetEnabled(int id, bool enabled) {
    ::EnableWindow(Handle(id), enabled ? TRUE : FALSE);
}

bool TWin32FormView::Enabled(int id) const { return ::IsWindowEnabled(Handle(id)) != FALSE; }

void TWin32FormView::SetVisible(int id, bool visible) {
    ::ShowWindow(Handle(id), visible ? SW_SHOW : SW_HIDE);
}

bool TWin32FormView::Visible(int id) const {
    // The control's own state: IsWindowVisible would also say false for a shown control of
    // a hidden window.
    return (::GetWindowLongPtrW(Handle(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void TWin32FormView::SetItems(int id, const std::vector<std::string>& items) {
    HWND control = Handle(id);
    if (IsTabControl(id)) return SetTabCaptions(control, items);
    if (IsListView(id)) {
        std::vector<std::vector<std::string>> rows;
        for (const std::string& item : items) rows.push_back({item});
        return SetListRows(control, rows);
    }
    const bool combo = IsComboBox(id);
    ::SendMessageW(control, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        std::wstring text = Widen(item);
        ::SendMessageW(control, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(text.c_str()));
    }
}

std::vector<std::string> TWin32FormView::Items(int id) const {
    HWND control = Handle(id);
    if (IsTabControl(id)) return TabCaptions(control);
    if (IsListView(id)) {
        std::vector<std::string> captions;
        for (const auto& row : ListRows(control))
            captions.push_back(row.empty() ? std::string() : row.front());
        return captions;
    }
    const bool combo = IsComboBox(id);
    const LRESULT count = ::SendMessageW(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    std::vector<std::string> items;
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = ::SendMessageW(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0);
        std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        ::SendMessageW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                       reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
        items.push_back(Narrow(text));
    }
    return items;
}

void TWin32FormView::SetSelection(int id, int index) {
    if (IsListView(id)) return SetListSelection(Handle(id), index);
    if (IsTabControl(id)) {
        ::SendMessageW(Handle(id), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
        return;
    }
    ::SendMessageW(Handle(id), IsComboBox(id) ? CB_SETCURSEL : LB_SETCURSEL,
                   static_cast<WPARAM>(index), 0);
}

int TWin32FormView::Selection(int id) const {
    if (IsListView(id)) return ListSelection(Handle(id));
    if (IsTabControl(id)) return static_cast<int>(::SendMessageW(Handle(id), TCM_GETCURSEL, 0, 0));
    return static_cast<int>(
        ::SendMessageW(Handle(id), IsComboBox(id) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

void TWin32FormView::SetRows(int id, const std::vector<std::vector<std::string>>& rows) {
    SetListRows(Handle(id), rows);
}

std::vector<std::vector<std::string>> TWin32FormView::Rows(int id) const {
    return ListRows(Handle(id));
}

void TWin32FormView::SetColumnWidth(int id, int column, int width) {
    SetListColumnWidth(Handle(id), column, width, FBinder.Dpi());
}

int TWin32FormView::ColumnWidth(int id, int column) const {
    return ListColumnWidth(Handle(id), column, FBinder.Dpi());
}

Rect TWin32FormView::WindowRect() const {
    RECT rect{};
    ::GetWindowRect(FBinder.Window(), &rect);
    return wyndrel::win32::ToRect(rect);
}

void TWin32FormView::SetWindowRect(const Rect& rect) {
    ::SetWindowPos(FBinder.Window(), nullptr, rect.Left, rect.Top, rect.Width(), rect.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

// Edit controls count UTF-16 units: the position is converted through the text's first
// `position` characters.
void TWin32FormView::SetCaret(int id, std::size_t position) {
    const std::string text = Text(id);
    const auto units = static_cast<WPARAM>(Widen(text::FirstCharacters(text, position)).size());
    ::SendMessageW(Handle(id), EM_SETSEL, units, static_cast<LPARAM>(units));
    ::SendMessageW(Handle(id), EM_SCROLLCARET, 0, 0);
}

void TWin32FormView::ReplaceSelection(int id, const std::string& text) {
    const std::wstring wide = Widen(text);
    ::SendMessageW(Handle(id), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void TWin32FormView::SetPosition(int id, int position) {
    ::SendMessageW(Handle(id), UDM_SETPOS32, 0, static_cast<LPARAM>(position));
}

int TWin32FormView::Position(int id) const {
    return static_cast<int>(::SendMessageW(Handle(id), UDM_GETPOS32, 0, 0));
}

int TWin32FormView::CaptionWidth(int id) const {
    return ControlTextWidth(Handle(id), FBinder.Spec(id) ? FBinder.Spec(id)->Caption : Text(id),
                            FBinder.Dpi());
}

void TWin32FormView::SetFocus(int id) {
    HWND window = FBinder.Window();
    // In a dialog the dialog manager moves the focus, so that the default button follows it.
    constexpr ULONG_PTR DialogClassAtom = 32770;
    if (::GetClassLongPtrW(window, GCW_ATOM) == DialogClassAtom)
        ::SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Handle(id)), TRUE);
    else
        ::SetFocus(Handle(id));
}

int TWin32FormView::Focused() const {
    HWND focus = ::GetFocus();
    // An edit part of a combo box has the focus for its combo box.
    while (focus && focus != FBinder.Window()) {
        if (auto id = FBinder.IdOf(focus)) return *id;
        focus = ::GetParent(focus);
    }
    return FormId;
}

void TWin32FormView::Show() { ::ShowWindow(FBinder.Window(), SW_SHOW); }

void TWin32FormView::Hide() { ::ShowWindow(FBinder.Window(), SW_HIDE); }

std::optional<int> TWin32FormView::TrackPopup(const TMenuModel& menu, Point screenPoint) {
    return win32::TrackPopup(FBinder.Window(), menu, screenPoint);
}

}  // namespace wyndrel::ui::win32
