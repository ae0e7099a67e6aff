// The gradient bar on Win32: a windowless control drawn on its parent's surface. The parent
// hands it its messages; the bar paints, follows the pointer and reports the mouse.
#pragma once

#include "platform/win32/windows_header.h"
#include "ui/win32/tooltips.h"
#include "widgets/sk_gradation.h"

namespace wyndrel::win32 {

class TGradationBar {
public:
    // The bar draws `model` on `parent` at the parent's DPI and repaints when it changes;
    // its hint shows in `hints` (the parent's tooltips) over the bar while it is visible.
    TGradationBar(widgets::TSKGradationG& model, HWND parent,
                  ui::win32::TTooltips* hints = nullptr);
    ~TGradationBar();
    TGradationBar(const TGradationBar&) = delete;
    TGradationBar& operator=(const TGradationBar&) = delete;

    // For every message of the parent: paints on WM_PAINT and WM_PRINTCLIENT (the parent
    // paints nothing of its own), takes the mouse buttons pressed on the bar, follows the
    // pointer and WM_DPICHANGED. True when the message is handled and goes no further.
    bool OnParentMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Draws the bar; for a parent that paints more than the bar from its own handler.
    void Paint(HDC dc);
    // The bar's rectangle on the parent, scaled to the parent's DPI.
    RECT Bounds() const;

private:
    int Unscale(int value) const;
    void Invalidate();
    void PlaceHint();
    bool Contains(POINT point) const;
    void FollowPointer(POINT point);
    bool OnButton(UINT message, WPARAM keys, POINT point);

    widgets::TSKGradationG& FModel;
    HWND FParent;
    ui::win32::TTooltips* FHints;
    int FDpi;
    RECT FPaintedBounds{};  // what the last repaint request covered, so a move clears it
    bool FPointerInside = false;
    bool FPressed = false;
};

}  // namespace wyndrel::win32
