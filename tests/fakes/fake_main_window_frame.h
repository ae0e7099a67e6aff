// The main window's frame in memory: its border, topmost band, place, window menu and the
// application's minimised and quit states, with the platform's caption colours to answer.
#pragma once

#include "app/main_window_frame.h"
#include "fakes/fake_view.h"
#include "fakes/fake_window_menu.h"

#include <map>

namespace wyndrel::fakes {

class TFakeMainWindowFrame : public app::IMainWindowFrame {
public:
    // The client size is read from `view`; a title bar and frame add 6 × 25 pixels.
    explicit TFakeMainWindowFrame(TFakeView& view) : FView(view) {}

    TFakeWindowMenu Menu;
    bool TitleBar = true;
    bool TopMost = false;
    Point Position{253, 100};
    std::int32_t ScreenWidth = 1024;
    std::int32_t ScreenHeight = 768;
    bool AcceptsFiles = false;
    int Drags = 0;
    int BroughtForward = 0;
    bool Minimized = false;
    bool QuitSent = false;
    int Destroyed = 0;  // DestroyWindow calls
    Point Cursor{400, 300};
    std::map<app::TCaptionColor, std::uint32_t> Colors{
        {app::TCaptionColor::Active, 0x800000},
        {app::TCaptionColor::GradientActive, 0xF0CAA6},
        {app::TCaptionColor::Inactive, 0x808080},
        {app::TCaptionColor::GradientInactive, 0xC0C0C0}};

    app::IWindowMenu& WindowMenu() override { return Menu; }
    void SetTitleBar(bool titleBar) override { TitleBar = titleBar; }
    void SetTopMost(bool topMost) override { TopMost = topMost; }
    app::TStartWindowMetrics Metrics() override;
    void MoveTo(Point topLeft) override { Position = topLeft; }
    std::vector<TMonitor> Monitors() override { return {{{0, 0, 1024, 768}, {0, 0, 1024, 738}}}; }
    void AcceptFiles() override { AcceptsFiles = true; }
    void DragByCaption() override { ++Drags; }
    Point CursorPos() override { return Cursor; }
    std::uint32_t CaptionColor(app::TCaptionColor which) override { return Colors.at(which); }
    void BringForward() override { ++BroughtForward; }
    void Repaint() override {}
    void MinimizeApplication() override { Minimized = true; }
    void RestoreApplication() override { Minimized = false; }
    bool ApplicationMinimized() override { return Minimized; }
    void Quit() override { QuitSent = true; }
    bool QuitRequested() override { return QuitSent; }
    void DestroyWindow() override { ++Destroyed; }

private:
    TFakeView& FView;
};

}  // namespace wyndrel::fakes
