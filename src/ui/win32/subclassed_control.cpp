// SetWindowSubclass with a guarded procedure that lets go of the window when it dies.
#include "ui/win32/subclassed_control.h"

#include "platform/win32/guarded_dispatch.h"

namespace wyndrel::ui::win32 {
namespace {
constexpr UINT_PTR SubclassId = 1;
}

TSubclassedControl::TSubclassedControl(HWND control, IUserInterface* ui) : FUserInterface(ui) {
    Attach(control);
}

TSubclassedControl::~TSubclassedControl() { Detach(); }

void TSubclassedControl::Attach(HWND control) {
    Detach();
    FHandle = control;
    ::SetWindowSubclass(control, &TSubclassedControl::Proc, SubclassId,
                        reinterpret_cast<DWORD_PTR>(this));
}

void TSubclassedControl::Detach() {
    if (FHandle) ::RemoveWindowSubclass(FHandle, &TSubclassedControl::Proc, SubclassId);
    FHandle = nullptr;
}

LRESULT TSubclassedControl::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::DefSubclassProc(FHandle, message, wParam, lParam);
}

LRESULT CALLBACK TSubclassedControl::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self) {
    auto* control = reinterpret_cast<TSubclassedControl*>(self);
    if (message == WM_NCDESTROY) {
        // The last message of the window: the subclass goes with it.
        control->Detach();
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    return wyndrel::win32::RunGuarded(
        [&] {
            LRESULT result = 0;
            return control->OnMessage(message, wParam, lParam, result)
                       ? result
                       : ::DefSubclassProc(window, message, wParam, lParam);
        },
        0, control->FUserInterface, ::GetParent(window));
}

}  // namespace wyndrel::ui::win32
