// Creating, scaling and listening to the controls of a form table.
#include "ui/win32/form_binder.h"

#include "platform/win32/last_error.h"
#include "platform/win32/wide_string.h"
#include "ui/scaling.h"
#include "ui/win32/control_classes.h"
#include "ui/win32/dpi.h"
#include "ui/win32/list_view.h"
#include "ui/win32/tab_and_up_down.h"

#include <stdexcept>

namespace wyndrel::ui::win32 {

TFormBinder::TFormBinder(TFormSpec form) : FForm(std::move(form)) {
    FBehaviours.OnRecreated = [this](int id, HWND fresh) {
        FControls[id] = fresh;
        FTooltips.Add(fresh, Spec(id)->Hint);
    };
}

void TFormBinder::CreateControls(HWND window) {
    FWindow = window;
    FDpi = WindowDpi(window);
    FTooltips.Create(window, FDpi);
    FBounds[FormId] = Bounds(0, 0, FForm.ClientWidth, FForm.ClientHeight);
    for (const TControlSpec& spec : FForm.Controls) {
        const TControlClass controlClass = ControlClass(spec);
        const Rect scaled = ScaleToDpi(spec.Bounds, FDpi);
        HWND control =
            ::CreateWindowExW(controlClass.ExStyle, controlClass.ClassName.c_str(),
                              wyndrel::win32::Widen(spec.Caption).c_str(), controlClass.Style,
                              scaled.Left, scaled.Top, scaled.Width(), scaled.Height(), window,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.Id)),
                              ::GetModuleHandleW(nullptr), nullptr);
        if (!control) wyndrel::win32::ThrowLastError("CreateWindowExW(" + spec.Name + ")");
        FControls[spec.Id] = control;
        FBounds[spec.Id] = spec.Bounds;
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FFonts.Get(spec.Font, FDpi)),
                       FALSE);
        if (spec.Kind == TControlKind::ListView) SetUpListView(control, spec, FDpi);
        if (spec.Kind == TControlKind::UpDown)
            SetUpUpDown(control, Control(spec.UpDown.Buddy), spec.UpDown);
        if (spec.Has(Checked)) ::SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
        if (spec.MaxLength > 0)
            ::SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(spec.MaxLength), 0);
        FBehaviours.Attach(spec, control);
        FTooltips.Add(control, spec.Hint);
    }
    ResizeWindow(nullptr);
}

void TFormBinder::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    const int oldDpi = FDpi;
    FDpi = HIWORD(wParam);
    for (const auto& [id, control] : FControls) {
        Place(id);
        if (Spec(id)->Kind == TControlKind::ListView) RescaleListColumns(control, oldDpi, FDpi);
        ::SendMessageW(control, WM_SETFONT,
                       reinterpret_cast<WPARAM>(FFonts.Get(Spec(id)->Font, FDpi)), TRUE);
    }
    FTooltips.Rescale(FDpi);
    ResizeWindow(reinterpret_cast<const RECT*>(lParam));
}

void TFormBinder::Rescale(int dpi) {
    RECT current{};
    ::GetWindowRect(FWindow, &current);
    OnDpiChanged(MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&current));
}

HWND TFormBinder::Control(int id) const {
    auto found = FControls.find(id);
    return found == FControls.end() ? nullptr : found->second;
}

std::optional<int> TFormBinder::IdOf(HWND control) const {
    for (const auto& [id, handle] : FControls)
        if (handle == control) return id;
    return std::nullopt;
}

Rect TFormBinder::LogicalBounds(int id) const {
    auto found = FBounds.find(id);
    if (found == FBounds.end())
        throw std::out_of_range("the form has no control " + std::to_string(id));
    return found->second;
}

void TFormBinder::SetLogicalBounds(int id, const Rect& bounds) {
    LogicalBounds(id);  // only controls of the form
    FBounds[id] = bounds;
    if (id == FormId)
        ResizeWindow(nullptr);
    else
        Place(id);
}

void TFormBinder::Place(int id) {
    const Rect scaled = ScaleToDpi(FBounds.at(id), FDpi);
    ::SetWindowPos(Control(id), nullptr, scaled.Left, scaled.Top, scaled.Width(), scaled.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFormBinder::ResizeWindow(const RECT* suggested) {
    const Rect client = ScaleToDpi(FBounds.at(FormId), FDpi);
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(FWindow, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(FWindow, GWL_EXSTYLE));
    SIZE outer = OuterSizeForClient(client.Width(), client.Height(), style, exStyle, FDpi);
    const UINT flags =
        SWP_NOZORDER | SWP_NOACTIVATE | (suggested ? 0u : static_cast<UINT>(SWP_NOMOVE));
    ::SetWindowPos(FWindow, nullptr, suggested ? suggested->left : 0,
                   suggested ? suggested->top : 0, outer.cx, outer.cy, flags);
    // Where the frame is not drawn at the window's DPI (older systems, Wine), the client
    // area comes out different: correct by what is measured.
    RECT actual{};
    ::GetClientRect(FWindow, &actual);
    if (actual.right == client.Width() && actual.bottom == client.Height()) return;
    outer.cx += client.Width() - actual.right;
    outer.cy += client.Height() - actual.bottom;
    ::SetWindowPos(FWindow, nullptr, 0, 0, outer.cx, outer.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

std::optional<TControlEvent> TFormBinder::TranslateNotify(const NMHDR& header) const {
    auto id = IdOf(header.hwndFrom);
    if (id && Spec(*id)->Kind == TControlKind::TabControl && header.code == TCN_SELCHANGE)
        return TControlEvent{*id, TControlEventKind::SelectionChange};
    if (!id || Spec(*id)->Kind != TControlKind::ListView) return std::nullopt;
    if (header.code == NM_DBLCLK) return TControlEvent{*id, TControlEventKind::DoubleClick};
    return std::nullopt;
}

void TFormBinder::OnClientResized(int width, int height) {
    if (!FWindow) return;
    FBounds[FormId] = Bounds(0, 0, ::MulDiv(width, BaseDpi, FDpi), ::MulDiv(height, BaseDpi, FDpi));
}

std::optional<TControlEvent> TFormBinder::Translate(WPARAM wParam, LPARAM lParam) const {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (lParam == 0)
        return TControlEvent{id, TControlEventKind::Click};  // a menu or an accelerator
    const TControlSpec* spec = Spec(id);
    if (!spec) return std::nullopt;
    switch (spec->Kind) {
        case TControlKind::Edit:
        case TControlKind::NumEdit:
        case TControlKind::FileDropEdit:
            if (code == EN_CHANGE) return TControlEvent{id, TControlEventKind::Change};
            break;
        case TControlKind::ListBox:
        case TControlKind::FileDropListBox:
            if (code == LBN_SELCHANGE) return TControlEvent{id, TControlEventKind::SelectionChange};
            if (code == LBN_DBLCLK) return TControlEvent{id, TControlEventKind::DoubleClick};
            break;
        case TControlKind::ComboBox:
            if (code == CBN_SELCHANGE) return TControlEvent{id, TControlEventKind::SelectionChange};
            break;
        default:
            if (code == BN_CLICKED) return TControlEvent{id, TControlEventKind::Click};
            break;
    }
    return std::nullopt;
}

}  // namespace wyndrel::ui::win32
