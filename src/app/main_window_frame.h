// What the main window's presenter needs of its window beyond the controls: the frame, the
// topmost band, its place on the screen, the window menu, and the application around it.
#pragma once

#include "app/start_position.h"
#include "app/window_menu.h"
#include "platform/types.h"

#include <cstdint>
#include <vector>

namespace wyndrel::app {

// The caption colours of the platform, as GetSysColor numbers them.
enum class TCaptionColor { Active = 2, Inactive = 3, GradientActive = 27, GradientInactive = 28 };

class IMainWindowFrame {
public:
    virtual ~IMainWindowFrame() = default;

    virtual IWindowMenu& WindowMenu() = 0;
    // A single fixed border with a title bar, or no border at all.
    virtual void SetTitleBar(bool titleBar) = 0;
    // SetWindowPos into or out of the topmost band, neither moving, sizing nor activating.
    virtual void SetTopMost(bool topMost) = 0;
    // The window's sizes now, in screen pixels, and the screen's.
    virtual TStartWindowMetrics Metrics() = 0;
    virtual void MoveTo(Point topLeft) = 0;
    // Every display monitor with its work area, the primary one first, in the window's pixels.
    virtual std::vector<TMonitor> Monitors() = 0;
    // DragAcceptFiles.
    virtual void AcceptFiles() = 0;
    // Releases the mouse and lets the platform move the window as by its title bar.
    virtual void DragByCaption() = 0;
    virtual Point CursorPos() = 0;
    virtual std::uint32_t CaptionColor(TCaptionColor which) = 0;
    // SetActiveWindow, SetForegroundWindow and the top of the Z order; the keyboard focus is
    // given to a control by the presenter.
    virtual void BringForward() = 0;
    virtual void Repaint() = 0;
    // The whole application: minimised to the taskbar, restored, and told to quit.
    virtual void MinimizeApplication() = 0;
    virtual void RestoreApplication() = 0;
    virtual bool ApplicationMinimized() = 0;
    virtual void Quit() = 0;
    virtual bool QuitRequested() = 0;
    // The window goes (its destruction writes the exit state and ends the program).
    virtual void DestroyWindow() = 0;
};

}  // namespace wyndrel::app
