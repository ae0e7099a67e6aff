// EnumThreadWindows lists the thread's top-level windows in Z order, topmost first.
#include "ui/win32/win32_open_forms.h"

#include "ui/win32/form_dialog.h"

namespace wyndrel::ui::win32 {
namespace {

BOOL CALLBACK CollectForm(HWND window, LPARAM found) {
    if (const TFormDialog* dialog = TFormDialog::FromWindow(window))
        reinterpret_cast<std::vector<TOpenForm>*>(found)->push_back(
            {dialog->Binder().Form().Name, WindowId{reinterpret_cast<std::uintptr_t>(window)}});
    return TRUE;
}

}  // namespace

std::vector<TOpenForm> TWin32OpenForms::OpenForms() {
    std::vector<TOpenForm> found;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectForm, reinterpret_cast<LPARAM>(&found));
    return found;
}

void TWin32OpenForms::Focus(WindowId window) {
    HWND handle = reinterpret_cast<HWND>(window.Value);
    ::SetForegroundWindow(handle);
    ::SetFocus(handle);
}

}  // namespace wyndrel::ui::win32
