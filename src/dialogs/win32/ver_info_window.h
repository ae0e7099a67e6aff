// The About window on Win32: a topmost window with a dialog frame made from the form table,
// the title letters drawn transparently in their colours, the two hyperlink labels, the
// program's icon, and its events handed to TfrmVerInfo.
#pragma once

#include "dialogs/ver_info.h"
#include "platform/win32/win32_timer.h"
#include "platform/win32/window_base.h"
#include "ui/win32/form_binder.h"
#include "ui/win32/form_view.h"
#include "widgets/win32/url_label_control.h"

#include <map>
#include <memory>
#include <vector>

namespace wyndrel::dialogs::win32 {

class TVerInfoWindow : public wyndrel::win32::TWindowBase, public IVerInfoFrame {
public:
    explicit TVerInfoWindow(IUserInterface& ui);

    // Creates the window hidden, owned by `owner`, centred on the desktop, showing `icon`.
    void Create(HWND owner, HICON icon);
    void Attach(TfrmVerInfo& presenter) { FPresenter = &presenter; }
    void Show() { ::ShowWindow(Handle(), SW_SHOW); }
    // Until the window is destroyed (by closing or with its owner).
    bool IsOpen() const { return Handle() && ::IsWindow(Handle()); }

    ui::IView& View() { return FView; }
    ITimer& TimGrad() { return FTimGrad; }
    widgets::TURLLabel& URLLabel(int id);

    void SetFontColor(int id, widgets::TColor color) override;
    int TextWidth(int id, const std::string& text) override;
    void Repaint() override;
    void BringForward() override;

protected:
    bool OnCreate() override;
    void OnClose() override;
    void OnDestroy() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    void OnTimer(UINT_PTR timerId) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void DressControls();
    void CentreOnDesktop();
    std::optional<LRESULT> OnControlColor(HDC dc, HWND control);
    LRESULT ShowWithOwner(WPARAM wParam, LPARAM lParam);

    ui::win32::TFormBinder FBinder;
    ui::win32::TWin32FormView FView;
    wyndrel::win32::TWin32Timer FTimGrad;
    std::map<int, std::unique_ptr<wyndrel::win32::TURLLabelControl>> FLinks;
    std::map<int, widgets::TColor> FColors;
    HICON FIcon = nullptr;
    TfrmVerInfo* FPresenter = nullptr;
    bool FShowingWithOwner = false;
};

}  // namespace wyndrel::dialogs::win32
