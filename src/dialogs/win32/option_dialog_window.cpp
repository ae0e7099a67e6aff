// The options dialog's presenter on a dialog made from its form table.
#include "dialogs/win32/option_dialog_window.h"

#include "dialogs/option_form.h"
#include "ui/win32/form_dialog.h"

namespace wyndrel::dialogs::win32 {
namespace {

// Tells the dialog's window to whoever waits for it once the controls exist.
class TOptionFormDialog : public ui::win32::TFormDialog {
public:
    TOptionFormDialog(IUserInterface& ui, std::function<void(HWND)> opened)
        : TFormDialog(OptionForm(), ui), FOpened(std::move(opened)) {}

protected:
    void OnInitDialog() override {
        TFormDialog::OnInitDialog();
        if (FOpened) FOpened(Handle());
    }

private:
    std::function<void(HWND)> FOpened;
};

}  // namespace

void ShowOptionDialog(HWND owner, TOptionPorts ports, const std::function<void(HWND)>& opened,
                      const std::function<void(TdlgOption&)>& presenter) {
    TOptionFormDialog dialog(ports.Ui, opened);
    TdlgOption options(dialog.View(), std::move(ports));
    if (presenter) presenter(options);
    dialog.SetEvents(options);
    dialog.ShowModal(owner);
}

}  // namespace wyndrel::dialogs::win32
