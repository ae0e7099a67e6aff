// Messages of the numeric box: characters, the dialog manager's Enter, losing the focus, and
// re-creation for a new alignment (an edit control's alignment is fixed once it exists).
#include "ui/win32/num_edit_control.h"

#include "platform/win32/last_error.h"
#include "platform/win32/wide_string.h"
#include "ui/private_messages.h"
#include "ui/win32/control_classes.h"

namespace wyndrel::ui::win32 {

TNumEditControl::TNumEditControl(HWND edit, TNumEdit model, IUserInterface* ui)
    : TSubclassedControl(edit, ui), FModel(std::move(model)) {
    FModel.OnTextWritten = [this](TNumEdit&) { ShowText(); };
    FModel.OnRecreateWindow = [this](TNumEdit&) { Recreate(); };
}

TNumEdit& TNumEditControl::Model() {
    if (Handle()) FModel.SetText(WindowText());
    return FModel;
}

std::string TNumEditControl::WindowText() const {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(Handle())) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size()))));
    return wyndrel::win32::Narrow(text);
}

void TNumEditControl::ShowText() {
    if (Handle() && WindowText() != FModel.Text())
        ::SetWindowTextW(Handle(), wyndrel::win32::Widen(FModel.Text()).c_str());
}

bool TNumEditControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_CHAR: {
            const char32_t key = FModel.KeyPress(static_cast<char32_t>(wParam));
            result = key == 0 ? 0 : CallDefault(message, static_cast<WPARAM>(key), lParam);
            return true;
        }
        case WM_GETDLGCODE: {
            // In a dialog the dialog manager takes Enter for the default button before any
            // character is made of it: the owner hears of it here, and the key goes on.
            const auto* pending = reinterpret_cast<const MSG*>(lParam);
            if (pending && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN)
                FModel.KeyPress(U'\r');
            return false;
        }
        case WM_KILLFOCUS:
            result = CallDefault(message, wParam, lParam);
            Leave();
            return true;
        case WM_SETFOCUS:
            // The focus is back before the box's report was shown: what put it back (OK, which
            // reads every box) reports the same text itself.
            FPendingError.clear();
            return false;
        case NumEditErrorMessage: {
            // Shown only now: a message box opened while the focus moves would take part in
            // the move and leave it half done.
            const std::string error = std::move(FPendingError);
            FPendingError.clear();
            if (!error.empty()) throw EConvertError(error);
            return true;
        }
        default:
            return false;
    }
}

void TNumEditControl::Leave() {
    try {
        Model().DoExit();
    } catch (const EConvertError& error) {
        FPendingError = error.what();
        ::PostMessageW(Handle(), NumEditErrorMessage, 0, 0);
    }
}

void TNumEditControl::Recreate() {
    HWND old = Handle();
    if (!old) return;
    const std::string text = WindowText();
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(old, GWL_STYLE)) &
                       ~static_cast<DWORD>(ES_LEFT | ES_RIGHT | ES_CENTER);
    RECT bounds{};
    ::GetWindowRect(old, &bounds);
    HWND parent = ::GetParent(old);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    HWND fresh = ::CreateWindowExW(
        static_cast<DWORD>(::GetWindowLongPtrW(old, GWL_EXSTYLE)), L"EDIT",
        wyndrel::win32::Widen(text).c_str(), style | AlignmentStyle(FModel.Alignment()),
        bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
        reinterpret_cast<HMENU>(::GetWindowLongPtrW(old, GWLP_ID)), ::GetModuleHandleW(nullptr),
        nullptr);
    if (!fresh) wyndrel::win32::ThrowLastError("CreateWindowExW");
    ::SendMessageW(fresh, WM_SETFONT, static_cast<WPARAM>(::SendMessageW(old, WM_GETFONT, 0, 0)),
                   FALSE);
    ::SendMessageW(fresh, EM_LIMITTEXT,
                   static_cast<WPARAM>(::SendMessageW(old, EM_GETLIMITTEXT, 0, 0)), 0);
    ::SetWindowPos(fresh, old, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);  // same tab order
    const bool focused = ::GetFocus() == old;
    Attach(fresh);
    if (OnRecreated) OnRecreated(old, fresh);
    if (focused)
        ::SetFocus(fresh);  // before the old window goes, so the focus never falls to the parent
    ::DestroyWindow(old);
}

}  // namespace wyndrel::ui::win32
