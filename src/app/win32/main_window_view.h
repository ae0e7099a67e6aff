// The main window on Win32: the window of class "TfrmWyndrel" with its eight buttons, the
// gradient bar drawn on it, and the frame operations its presenter asks for. Messages go to
// the presenter as typed events; no rule of the window lives here.
#pragma once

#include "app/main_window.h"
#include "platform/win32/window_base.h"
#include "ui/app_activation.h"
#include "ui/win32/form_binder.h"
#include "ui/win32/form_view.h"
#include "widgets/win32/gradation_bar.h"

#include <memory>

namespace wyndrel::app::win32 {

class TMainWindowView : public wyndrel::win32::TWindowBase,
                        public IMainWindowFrame,
                        public IWindowMenu {
public:
    // Creates the window hidden at its built-in position, with its controls. `presenter`
    // receives the window's events and may be made after the window: creating it sends only
    // the window's own messages. The program's activations go to `activation`, where a window
    // open for a while (the running-editors list) installs its own handler.
    TMainWindowView(IUserInterface& ui, widgets::TSKGradationG& grad, TfrmWyndrel& presenter,
                    ui::TAppActivation& activation);
    ~TMainWindowView() override;

    ui::IView& View() { return FView; }
    void Destroy();

    IWindowMenu& WindowMenu() override { return *this; }
    void SetTitleBar(bool titleBar) override;
    void SetTopMost(bool topMost) override;
    TStartWindowMetrics Metrics() override;
    void MoveTo(Point topLeft) override;
    std::vector<TMonitor> Monitors() override;
    void AcceptFiles() override;
    void DragByCaption() override;
    Point CursorPos() override;
    std::uint32_t CaptionColor(TCaptionColor which) override;
    void BringForward() override;
    void Repaint() override;
    void MinimizeApplication() override;
    void RestoreApplication() override;
    bool ApplicationMinimized() override;
    void Quit() override;
    bool QuitRequested() override { return FQuitRequested; }
    void DestroyWindow() override { Destroy(); }

    void DeleteEntry(std::uint32_t id) override;
    void InsertEntry(int position, const TWindowMenuEntry& entry) override;
    void CheckEntry(std::uint32_t id, bool checked) override;
    void Redraw() override;

protected:
    bool OnCreate() override;
    void OnClose() override;
    void OnDestroy() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    void OnTimer(UINT_PTR timerId) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HMENU SystemMenu();
    void OnDropFiles(HDROP drop);

    widgets::TSKGradationG& FGrad;
    ui::win32::TFormBinder FBinder;
    ui::win32::TWin32FormView FView;
    std::unique_ptr<wyndrel::win32::TGradationBar> FBar;
    TfrmWyndrel& FPresenter;
    ui::TAppActivation& FActivation;
    HMENU FSysMenu = nullptr;
    bool FQuitRequested = false;
};

}  // namespace wyndrel::app::win32
