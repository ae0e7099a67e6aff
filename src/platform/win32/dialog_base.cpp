// DialogBoxIndirectParamW on a template without controls, and the guarded dialog procedure.
#include "platform/win32/dialog_base.h"

#include "platform/win32/guarded_dispatch.h"
#include "platform/win32/message_loop.h"

namespace wyndrel::win32 {
namespace {

// DLGTEMPLATE followed by three empty WORD arrays (menu, class, title), DWORD aligned.
struct alignas(4) TEmptyDialogTemplate {
    DLGTEMPLATE Header;
    WORD Menu = 0;
    WORD WindowClass = 0;
    WORD Title = 0;
};

// The messages whose result a dialog procedure returns itself instead of through
// DWLP_MSGRESULT: the colour requests' brushes and the list and owner-draw answers.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
            return true;
        default:
            return false;
    }
}

}  // namespace

DWORD TDialogBase::Style() const { return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME; }

INT_PTR TDialogBase::ShowModal(HWND owner) {
    TEmptyDialogTemplate dialogTemplate{};
    // The size comes from the form at initialisation, scaled by the window's DPI.
    dialogTemplate.Header.style = Style();
    return ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), &dialogTemplate.Header, owner,
                                     &TDialogBase::StaticDialogProc,
                                     reinterpret_cast<LPARAM>(this));
}

void TDialogBase::EndModal(INT_PTR result) { ::EndDialog(FHandle, result); }

bool TDialogBase::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

INT_PTR CALLBACK TDialogBase::StaticDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<TDialogBase*>(lParam);
        self->FHandle = dialog;
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        // Pumps inside a handler see the dialog's keys too, not only the modal loop.
        EnableDialogKeys(dialog);
        bool initialised = false;
        LRESULT focusDefault = RunGuarded(
            [&] {
                self->OnInitDialog();
                initialised = true;
                // TRUE lets the platform focus the first control, unless the form chose one.
                HWND focus = ::GetFocus();
                return static_cast<LRESULT>(focus && ::IsChild(dialog, focus) ? FALSE : TRUE);
            },
            FALSE, self->FUserInterface, dialog);
        if (!initialised) ::EndDialog(dialog, -1);
        return focusDefault;
    }
    auto* self = reinterpret_cast<TDialogBase*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self) return FALSE;
    INT_PTR handled = RunGuarded([&] { return self->Dispatch(message, wParam, lParam); }, TRUE,
                                 self->FUserInterface, dialog);
    if (message == WM_NCDESTROY) {
        ForgetDialogKeys(dialog);
        ::SetWindowLongPtrW(dialog, DWLP_USER, 0);
        self->FHandle = nullptr;
    }
    return handled;
}

INT_PTR TDialogBase::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wParam));
            return TRUE;
        case WM_DESTROY:
            OnDestroy();
            return FALSE;
        default: {
            LRESULT result = 0;
            if (!OnMessage(message, wParam, lParam, result)) return FALSE;
            if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
            ::SetWindowLongPtrW(FHandle, DWLP_MSGRESULT, result);
            return TRUE;
        }
    }
}

}  // namespace wyndrel::win32
