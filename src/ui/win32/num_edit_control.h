// The numeric box on Win32: a standard single-line edit, subclassed so that typed characters
// pass TNumEdit's key rules and leaving the box cleans its text and takes its value.
//
// Use: create an EDIT with AlignmentStyle(spec.Alignment) (control_classes.h), then
// TNumEditControl box(edit, TNumEdit(spec), ui). The form binder does this for every control of
// kind TControlKind::NumEdit and routes the owner's key handler to the presenter.
#pragma once

#include "ui/num_edit.h"
#include "ui/win32/subclassed_control.h"

#include <functional>
#include <string>

namespace wyndrel::ui::win32 {

class TNumEditControl : public TSubclassedControl {
public:
    TNumEditControl(HWND edit, TNumEdit model, IUserInterface* ui);

    // The model as the window shows it: its text is read from the window first.
    TNumEdit& Model();
    // The owner's key handler: runs before the box filters a character (Enter included).
    void SetOnKeyPress(TNumEdit::TKeyPressEvent handler) { FModel.OnKeyPress = std::move(handler); }
    // A new window made for a new alignment (the old one is destroyed).
    std::function<void(HWND oldWindow, HWND newWindow)> OnRecreated;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::string WindowText() const;
    void ShowText();
    void Leave();
    void Recreate();

    TNumEdit FModel;
    std::string FPendingError;
};

}  // namespace wyndrel::ui::win32
