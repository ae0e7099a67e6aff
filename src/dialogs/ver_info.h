// TfrmVerInfo, the About window's presenter: the program's version from its own resource,
// the system-information text, the title letters whose colours travel every 300 ms, and
// the main window's title colours switched while it is open.
#pragma once

#include "dialogs/get_ver_info.h"
#include "platform/system_info.h"
#include "platform/timer.h"
#include "platform/user_interface.h"
#include "platform/version_resource.h"
#include "ui/view.h"
#include "widgets/gradation_fill.h"

#include <array>
#include <functional>
#include <string>

namespace wyndrel::dialogs {

inline constexpr std::uint32_t TitleAnimationMs = 300;

using TTitleColors = std::array<widgets::TColor, 7>;
// The letters' colours as the window shows them: brightest at the ends.
inline constexpr TTitleColors StartTitleColors = {0xFFFF20, 0xEDDB20, 0xDBB720, 0xC99320,
                                                  0xC99320, 0xDBB720, 0xEDDB20};
// One place to the right: each letter takes its left neighbour's colour, the first the last's.
TTitleColors RotateTitleColors(const TTitleColors& colors);

// What the presenter needs of its window beyond the controls.
class IVerInfoFrame {
public:
    virtual ~IVerInfoFrame() = default;
    virtual void SetFontColor(int id, widgets::TColor color) = 0;
    // The width of `text` in the control's font, in 96-DPI pixels.
    virtual int TextWidth(int id, const std::string& text) = 0;
    // Paints the whole window at once.
    virtual void Repaint() = 0;
    // Brings the window forward and gives it the focus.
    virtual void BringForward() = 0;
};

struct TVerInfoPorts {
    ui::IView& View;
    IVerInfoFrame& Frame;
    IUserInterface& Ui;
    ITimer& TimGrad;
    IVersionResource& Versions;
    ISystemInfo& System;
    std::string ExeName;  // the program's own executable, full path
    std::function<void()> ActivateTitleColors, DeactivateTitleColors;
};

class TfrmVerInfo : public ui::IFormEvents {
public:
    explicit TfrmVerInfo(TVerInfoPorts ports);

    void OnShow() override { FormShow(); }
    void OnControl(const ui::TControlEvent& event) override;
    void OnTimer(int timerId) override;

    void FormShow();
    void FillInfo();
    void FormActivate();
    // The window goes: hidden at once, then the main window's active title colours.
    void FormClose();
    void TimGradTimer();
    // A second request to open the window: the open one comes forward.
    void Focus();

    const TTitleColors& TitleColors() const { return FColors; }
    bool Closing() const { return FClosing; }

private:
    void ShowTitleColors();

    TVerInfoPorts FPorts;
    TGetVerInfo FInfVer;
    TTitleColors FColors = StartTitleColors;
    bool FClosing = false;
};

}  // namespace wyndrel::dialogs
