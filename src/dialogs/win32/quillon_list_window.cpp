// The list's presenter on a dialog made from its form table.
#include "dialogs/win32/quillon_list_window.h"

#include "dialogs/quillon_list_form.h"
#include "ui/win32/form_dialog.h"

namespace wyndrel::dialogs::win32 {

void ShowQuillonList(HWND owner, TQuillonListPorts ports) {
    ui::win32::TFormDialog dialog(QuillonListForm(), ports.Ui);
    TfrmQuillonList presenter(dialog.View(), std::move(ports));
    dialog.SetEvents(presenter);
    dialog.ShowModal(owner);
}

}  // namespace wyndrel::dialogs::win32
