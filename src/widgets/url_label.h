// TURLLabel: a label that behaves like a hyperlink. It shows the hand cursor, takes its hot
// colour while the pointer is over it and its pushed colour while a button is held on it,
// and asks the shell to open its caption on every button press when Executable.
#pragma once

#include "widgets/gradation_fill.h"
#include "widgets/mouse_event.h"

#include <functional>
#include <string>

namespace wyndrel::widgets {

// The program's hand cursor: its resource name and the identifier it is registered under.
inline constexpr const char* HandCursorResource = "HANDPOINT";
inline constexpr int crHandPoint = 32761;

inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clWindowText = 0x80000008;  // a system colour: high byte set

// What the label needs of its platform.
class IURLLabelPlatform {
public:
    virtual ~IURLLabelPlatform() = default;
    virtual void Repaint() = 0;
    // Whether the pointer now lies inside the label's client rectangle.
    virtual bool PointerInside() = 0;
    // ShellExecute with no owner, the verb "OPEN", no parameters or folder, SW_SHOW; the
    // result is ignored.
    virtual void ShellOpen(const std::string& file) = 0;
};

class TURLLabel {
public:
    using TMouseEvent = std::function<void(TURLLabel& sender, TMouseButton button)>;

    explicit TURLLabel(IURLLabelPlatform& platform) : FPlatform(platform) {}

    const std::string& Caption() const { return FCaption; }
    void SetCaption(std::string caption) { FCaption = std::move(caption); }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor color);
    int Cursor() const { return FCursor; }

    bool Executable() const { return FExecutable; }
    void SetExecutable(bool value) { FExecutable = value; }
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value);
    TColor HotColor() const { return FHotColor; }
    void SetHotColor(TColor value);
    TColor PushedColor() const { return FPushedColor; }
    void SetPushedColor(TColor value);

    TMouseEvent OnMouseDown, OnMouseUp;

    void MouseEnter();
    void MouseLeave();
    // Every button alike.
    void MouseDown(TMouseButton button);
    void MouseUp(TMouseButton button);

private:
    void ShowColor(TColor color);

    IURLLabelPlatform& FPlatform;
    std::string FCaption;
    TColor FFontColor = clWindowText;
    TColor FNormalColor = 0;  // taken when the pointer enters
    int FCursor = crHandPoint;
    bool FExecutable = false;
    bool FHotTrack = true;
    TColor FHotColor = clAqua;
    TColor FPushedColor = clRed;
};

}  // namespace wyndrel::widgets
