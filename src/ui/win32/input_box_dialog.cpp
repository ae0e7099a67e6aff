// The input box's presenter on a dialog made from its form table.
#include "ui/win32/input_box_dialog.h"

#include "ui/win32/form_dialog.h"

namespace wyndrel::ui::win32 {

std::optional<std::string> TInputBoxDialog::InputQuery(const std::string& caption,
                                                       const std::string& prompt,
                                                       const std::string& text) {
    TFormDialog dialog(InputBoxForm(caption, prompt), FUi);
    TInputBoxPresenter presenter(dialog.View(), text);
    dialog.SetEvents(presenter);
    dialog.ShowModal(FOwner);
    return presenter.Result();
}

}  // namespace wyndrel::ui::win32
