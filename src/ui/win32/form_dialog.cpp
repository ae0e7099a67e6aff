// Initialisation, keys and events of a dialog made from a form table.
#include "ui/win32/form_dialog.h"

#include "platform/win32/wide_string.h"
#include "platform/win32/win32_rect.h"
#include "platform/work_area.h"
#include "ui/scaling.h"

namespace wyndrel::ui::win32 {
namespace {
// Marks the program's form dialogs among the thread's windows (common dialogs and message
// boxes share their window class).
constexpr const wchar_t* FormDialogProperty = L"Wyndrel.FormDialog";
}  // namespace

TFormDialog::TFormDialog(TFormSpec form, IUserInterface& ui)
    : TDialogBase(ui), FBinder(std::move(form)), FView(FBinder, [this] { EndModal(IDCANCEL); }) {}

ITimer& TFormDialog::Timer(int id) {
    auto& timer = FTimers[id];
    if (!timer)
        timer = std::make_unique<wyndrel::win32::TWin32Timer>(Handle(), static_cast<UINT_PTR>(id));
    return *timer;
}

DWORD TFormDialog::Style() const {
    const DWORD style = TDialogBase::Style();
    return FBinder.Form().Resizable ? (style & ~static_cast<DWORD>(DS_MODALFRAME)) | WS_THICKFRAME
                                    : style;
}

const TFormDialog* TFormDialog::FromWindow(HWND window) {
    return static_cast<const TFormDialog*>(::GetPropW(window, FormDialogProperty));
}

void TFormDialog::OnDestroy() { ::RemovePropW(Handle(), FormDialogProperty); }

void TFormDialog::OnInitDialog() {
    ::SetPropW(Handle(), FormDialogProperty, this);
    ::SetWindowTextW(Handle(), wyndrel::win32::Widen(FBinder.Form().Caption).c_str());
    FBinder.Connect(FView, FEvents, UserInterface());
    FBinder.CreateControls(Handle());
    FControlsCreated = true;
    if (const TControlSpec* button = FBinder.Form().FindFlagged(DefaultButton))
        ::SendMessageW(Handle(), DM_SETDEFID, static_cast<WPARAM>(button->Id), 0);
    CenterOnOwner();
    for (auto& [id, timer] : FTimers) timer->AttachWindow(Handle());
    if (FEvents) FEvents->OnShow();
}

void TFormDialog::OnCommand(int id, int notifyCode, HWND control) {
    // The dialog manager sends IDOK for Enter without a default button and IDCANCEL for Esc
    // and the close box; they stand for the form's flagged buttons.
    if (id == IDCANCEL && !FBinder.Control(IDCANCEL)) return PressFlagged(CancelButton, IDCANCEL);
    if (id == IDOK && !FBinder.Control(IDOK)) return PressFlagged(DefaultButton, IDOK);
    auto event = FBinder.Translate(MAKEWPARAM(id, notifyCode), reinterpret_cast<LPARAM>(control));
    if (event && FEvents) FEvents->OnControl(*event);
}

void TFormDialog::PressFlagged(TControlFlag flag, int platformId) {
    const TControlSpec* button = FBinder.Form().FindFlagged(flag);
    if (button && FEvents) {
        if (::IsWindowEnabled(FBinder.Control(button->Id)))
            FEvents->OnControl({button->Id, TControlEventKind::Click});
    } else if (platformId == IDCANCEL) {
        EndModal(IDCANCEL);  // a form without a cancel button still closes on Esc
    }
}

void TFormDialog::OnTimer(UINT_PTR timerId) {
    if (FEvents) FEvents->OnTimer(static_cast<int>(timerId));
}

bool TFormDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_DPICHANGED:
            FPaneBrush.Reset();
            FBinder.OnDpiChanged(wParam, lParam);
            return true;
        case WM_CTLCOLORSTATIC: {
            HBRUSH pane = FPaneBrush.For(Handle(), reinterpret_cast<HWND>(lParam),
                                         reinterpret_cast<HDC>(wParam));
            result = reinterpret_cast<LRESULT>(pane);
            return pane != nullptr;
        }
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = ::BeginPaint(Handle(), &paint);
            FPaneBrush.PaintPane(Handle(), dc);
            ::EndPaint(Handle(), &paint);
            return true;
        }
        case WM_PRINTCLIENT:  // also a themed control asking for its background
            FPaneBrush.PaintPane(Handle(), reinterpret_cast<HDC>(wParam));
            return true;
        case WM_THEMECHANGED:
        case WM_SYSCOLORCHANGE:
            FPaneBrush.Reset();
            return false;
        case WM_SIZE:
            FPaneBrush.Reset();
            if (!FControlsCreated || wParam == SIZE_MINIMIZED) return false;
            FBinder.OnClientResized(LOWORD(lParam), HIWORD(lParam));
            if (FEvents) FEvents->OnResize();
            return false;  // the dialog's own handling goes on
        case WM_MOUSEWHEEL: {
            // Signed screen coordinates: a monitor left of or above the primary one is negative.
            POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ::ScreenToClient(Handle(), &at);
            const Point clientPoint{::MulDiv(at.x, BaseDpi, FBinder.Dpi()),
                                    ::MulDiv(at.y, BaseDpi, FBinder.Dpi())};
            return FEvents && FEvents->OnMouseWheel(clientPoint, GET_WHEEL_DELTA_WPARAM(wParam));
        }
        case WM_CONTEXTMENU: {
            // A child's right click reaches its parent here, naming the child.
            const std::optional<int> id = FBinder.IdOf(reinterpret_cast<HWND>(wParam));
            if (!id || !FEvents) return false;
            FEvents->OnControl({*id, TControlEventKind::ContextMenu});
            return true;
        }
        case WM_NOTIFY: {
            const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.code == UDN_DELTAPOS && FEvents) {
                // A non-zero result keeps the up-down where it is.
                const auto& change = *reinterpret_cast<const NMUPDOWN*>(lParam);
                const int id = static_cast<int>(header.idFrom);
                result =
                    FEvents->OnUpDownChanging(id, change.iPos, change.iPos + change.iDelta) ? 0 : 1;
                return true;
            }
            auto event = FBinder.TranslateNotify(header);
            if (!event || !FEvents) return false;
            FEvents->OnControl(*event);
            return true;
        }
        default:
            return false;
    }
}

void TFormDialog::CenterOnOwner() {
    HWND owner = ::GetWindow(Handle(), GW_OWNER);
    RECT area{};
    if (!owner || !::IsWindowVisible(owner) || !::GetWindowRect(owner, &area))
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT self{};
    ::GetWindowRect(Handle(), &self);
    const Rect centred = CentreOn(wyndrel::win32::ToRect(self), wyndrel::win32::ToRect(area));
    ::SetWindowPos(Handle(), nullptr, centred.Left, centred.Top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace wyndrel::ui::win32
