// A modal dialog built from a form table: the binder creates its controls, a presenter
// receives its events and drives it through the view. Enter presses the default button,
// Esc and the close box the cancel button.
#pragma once

#include "platform/win32/dialog_base.h"
#include "platform/win32/win32_timer.h"
#include "ui/win32/form_binder.h"
#include "ui/win32/form_view.h"
#include "ui/win32/tab_pane_brush.h"

#include <map>
#include <memory>

namespace wyndrel::ui::win32 {

class TFormDialog : public wyndrel::win32::TDialogBase {
public:
    TFormDialog(TFormSpec form, IUserInterface& ui);

    // What the presenter talks to; valid from before ShowModal on.
    IView& View() { return FView; }
    // The dialog's timer `id`; it starts ticking once the window exists.
    ITimer& Timer(int id);
    // Where the dialog's events go; set before ShowModal.
    void SetEvents(IFormEvents& events) { FEvents = &events; }
    const TFormBinder& Binder() const { return FBinder; }
    // The form dialog that `window` is, or nullptr for any other window.
    static const TFormDialog* FromWindow(HWND window);

protected:
    DWORD Style() const override;
    void OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    void OnTimer(UINT_PTR timerId) override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void CenterOnOwner();
    // The button that Enter (IDOK) or Esc (IDCANCEL) stands for, when the form has one.
    void PressFlagged(TControlFlag flag, int platformId);

    TFormBinder FBinder;
    TWin32FormView FView;
    IFormEvents* FEvents = nullptr;
    bool FControlsCreated = false;  // sizes before that are the binder's own
    std::map<int, std::unique_ptr<wyndrel::win32::TWin32Timer>> FTimers;
    TTabPaneBrush FPaneBrush;
};

}  // namespace wyndrel::ui::win32
