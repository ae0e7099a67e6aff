// The gradient bar's properties, its paint and its events.
#include "widgets/sk_gradation.h"

namespace wyndrel::widgets {

TSKGradationG::TSKGradationG() = default;

template <typename T>
void TSKGradationG::Store(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
}

void TSKGradationG::Invalidate() {
    if (OnInvalidate) OnInvalidate();
}

void TSKGradationG::SetBounds(int left, int top, int width, int height) {
    Store(FBounds, Rect{left, top, left + width, top + height});
}

void TSKGradationG::SetVisible(bool value) { Store(FVisible, value); }
void TSKGradationG::SetColor(TColor value) { Store(FColor, value); }
void TSKGradationG::SetAutoPointSet(bool value) { Store(FAutoPointSet, value); }
void TSKGradationG::SetStartColor(TColor value) { Store(FStartColor, value); }
void TSKGradationG::SetGradationStep(int value) { Store(FGradationStep, value); }
void TSKGradationG::SetAutoPoint(int value) { Store(FAutoPoint, value); }
void TSKGradationG::SetDirection(TDirection value) { Store(FDirection, value); }
void TSKGradationG::SetHint(std::string value) { Store(FHint, std::move(value)); }

void TSKGradationG::SetEndColor(TColor value) {
    if (FEndColor == value) return;
    FEndColor = value;
    FColor = value;
    Invalidate();
}

// The two points never hold the same value through their setters: the clash is resolved
// towards an empty leading strip or a gradient that ends at the bottom.
void TSKGradationG::SetStartPoint(int value) {
    if (FStartPoint == value) return;
    FStartPoint = value == FEndPoint ? 0 : value;
    Invalidate();
}

void TSKGradationG::SetEndPoint(int value) {
    if (FEndPoint == value) return;
    FEndPoint = value == FStartPoint ? Height() : value;
    Invalidate();
}

std::vector<TGradationBand> TSKGradationG::PaintBands() {
    // The points are overwritten without their setters' rules and without a new repaint.
    // Height serves both directions, as the points have always been taken.
    if (FAutoPointSet) {
        FStartPoint = FAutoPoint;
        FEndPoint = Height() - FAutoPoint;
    }
    std::vector<TGradationBand> bands;
    std::vector<TGradationBand> gradient;
    if (FDirection == TDirection::dHorizontal) {
        bands.push_back({Rect{0, 0, Width(), FStartPoint}, FStartColor});
        gradient = FillGradation(TDirection::dHorizontal, 0, FStartPoint, Width(), FEndPoint,
                                 FGradationStep, FStartColor, FEndColor, Height());
    } else {
        bands.push_back({Rect{0, 0, FStartPoint, Height()}, FStartColor});
        gradient = FillGradation(TDirection::dVertical, FStartPoint, 0, FEndPoint, Height(),
                                 FGradationStep, FStartColor, FEndColor, Width());
    }
    bands.insert(bands.end(), gradient.begin(), gradient.end());
    return bands;
}

void TSKGradationG::Paint(const std::function<void(const TGradationBand&)>& fill) {
    for (const TGradationBand& band : PaintBands()) fill(band);
    if (OnPaint) OnPaint(*this);
}

void TSKGradationG::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(*this);
}

void TSKGradationG::MouseLeave() {
    if (OnMouseExit) OnMouseExit(*this);
}

void TSKGradationG::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void TSKGradationG::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

}  // namespace wyndrel::widgets
