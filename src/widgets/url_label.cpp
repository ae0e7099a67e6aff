// The hyperlink label's colour states and its press.
#include "widgets/url_label.h"

namespace wyndrel::widgets {

void TURLLabel::SetFontColor(TColor color) {
    if (FFontColor == color) return;
    FFontColor = color;
    FPlatform.Repaint();
}

void TURLLabel::ShowColor(TColor color) {
    FFontColor = color;
    FPlatform.Repaint();
}

void TURLLabel::SetHotTrack(bool value) {
    if (FHotTrack == value) return;
    FHotTrack = value;
    FPlatform.Repaint();
}

void TURLLabel::SetHotColor(TColor value) {
    if (FHotColor == value) return;
    FHotColor = value;
    FPlatform.Repaint();
}

void TURLLabel::SetPushedColor(TColor value) {
    if (FPushedColor == value) return;
    FPushedColor = value;
    FPlatform.Repaint();
}

void TURLLabel::MouseEnter() {
    if (!FHotTrack) return;
    FNormalColor = FFontColor;
    ShowColor(FHotColor);
}

void TURLLabel::MouseLeave() {
    if (FHotTrack) ShowColor(FNormalColor);
}

void TURLLabel::MouseDown(TMouseButton button) {
    if (OnMouseDown) OnMouseDown(*this, button);
    if (FHotTrack) ShowColor(FPushedColor);
    if (FExecutable) FPlatform.ShellOpen(FCaption);
}

void TURLLabel::MouseUp(TMouseButton button) {
    if (OnMouseUp) OnMouseUp(*this, button);
    if (FHotTrack) ShowColor(FPlatform.PointerInside() ? FHotColor : FNormalColor);
}

}  // namespace wyndrel::widgets
