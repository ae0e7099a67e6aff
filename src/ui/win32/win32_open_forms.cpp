// EnumThreadWindows lists the thread's top-level windows in Z order, topmost first.
#include "ui/win32/win32_open_forms.h"

#include "platform/win32/enumeration_fault.h"
#include "ui/win32/form_dialog.h"

namespace wyndrel::ui::win32 {
namespace {

struct TFoundForms {
    std::vector<TOpenForm> Forms;
    wyndrel::win32::TEnumerationFault Fault;
};

BOOL CALLBACK CollectForm(HWND window, LPARAM context) {
    auto& found = *reinterpret_cast<TFoundForms*>(context);
    return found.Fault.Guard([&] {
        if (const TFormDialog* dialog = TFormDialog::FromWindow(window))
            found.Forms.push_back(
                {dialog->Binder().Form().Name, WindowId{reinterpret_cast<std::uintptr_t>(window)}});
        return true;
    });
}

}  // namespace

std::vector<TOpenForm> TWin32OpenForms::OpenForms() {
    TFoundForms found;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectForm, reinterpret_cast<LPARAM>(&found));
    found.Fault.RethrowCaught();
    return std::move(found.Forms);
}

void TWin32OpenForms::Focus(WindowId window) {
    HWND handle = reinterpret_cast<HWND>(window.Value);
    ::SetForegroundWindow(handle);
    ::SetFocus(handle);
}

}  // namespace wyndrel::ui::win32
