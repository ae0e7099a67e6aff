// TSKGradationG: a windowless bar painted as a colour gradient of solid bands. It knows its
// properties, what to paint and which events to fire; a painter draws it on its parent.
#pragma once

#include "widgets/gradation_fill.h"
#include "widgets/mouse_event.h"

#include <functional>
#include <string>
#include <vector>

namespace wyndrel::widgets {

class TSKGradationG {
public:
    using TNotifyEvent = std::function<void(TSKGradationG& sender)>;
    using TMouseEvent = std::function<void(TSKGradationG& sender, TMouseButton button,
                                           TShiftState shift, int x, int y)>;

    TSKGradationG();

    // Bounds on the parent, in 96-DPI pixels.
    int Left() const { return FBounds.Left; }
    int Top() const { return FBounds.Top; }
    int Width() const { return FBounds.Width(); }
    int Height() const { return FBounds.Height(); }
    Rect BoundsRect() const { return FBounds; }
    void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // The background colour; it plays no part in painting.
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    bool AutoPointSet() const { return FAutoPointSet; }
    void SetAutoPointSet(bool value);
    TColor StartColor() const { return FStartColor; }
    void SetStartColor(TColor value);
    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor value);
    int GradationStep() const { return FGradationStep; }
    void SetGradationStep(int value);
    int StartPoint() const { return FStartPoint; }
    void SetStartPoint(int value);
    int AutoPoint() const { return FAutoPoint; }
    void SetAutoPoint(int value);
    int EndPoint() const { return FEndPoint; }
    void SetEndPoint(int value);
    TDirection Direction() const { return FDirection; }
    void SetDirection(TDirection value);
    // Shown over the bar while it is visible; line breaks are single carriage returns.
    const std::string& Hint() const { return FHint; }
    void SetHint(std::string value);

    // Fired after the inherited handling of the pointer entering and leaving the control.
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    TNotifyEvent OnPaint;
    // Positions relative to the control's top left corner, in 96-DPI pixels.
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    // The repaint request: set by whoever draws the control.
    std::function<void()> OnInvalidate;

    // What one paint draws, in the control's own coordinates: the leading strip in the start
    // colour, then the bands. With AutoPointSet the points are set from AutoPoint first.
    std::vector<TGradationBand> PaintBands();
    // Draws through `fill`, then fires OnPaint.
    void Paint(const std::function<void(const TGradationBand&)>& fill);

    void MouseEnter();
    void MouseLeave();
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

private:
    template <typename T>
    void Store(T& field, T value);
    void Invalidate();

    Rect FBounds{0, 0, 265, 265};
    bool FVisible = true;
    TColor FColor = 0;
    bool FAutoPointSet = true;
    TColor FStartColor = 0xFF0000;
    TColor FEndColor = 0;
    int FGradationStep = 200;
    int FStartPoint = 5;
    int FAutoPoint = 5;
    int FEndPoint = 260;
    TDirection FDirection = TDirection::dHorizontal;
    std::string FHint;
};

}  // namespace wyndrel::widgets
