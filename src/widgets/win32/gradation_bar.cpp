// Painting the gradient bar's bands on its parent and turning the parent's mouse messages
// into the bar's events.
#include "widgets/win32/gradation_bar.h"

#include "platform/win32/win32_rect.h"
#include "ui/scaling.h"
#include "ui/win32/dpi.h"

#include <windowsx.h>

namespace wyndrel::win32 {

namespace {

// A set high byte names a system colour by its index in the low byte.
COLORREF ToColorRef(widgets::TColor color) {
    return (color & 0xFF000000u) ? ::GetSysColor(static_cast<int>(color & 0xFF))
                                 : static_cast<COLORREF>(color);
}

widgets::TShiftState KeysToShift(WPARAM keys) {
    widgets::TShiftState shift = 0;
    if (keys & MK_SHIFT) shift |= widgets::ssShift;
    if (keys & MK_CONTROL) shift |= widgets::ssCtrl;
    if (::GetKeyState(VK_MENU) < 0) shift |= widgets::ssAlt;
    if (keys & MK_LBUTTON) shift |= widgets::ssLeft;
    if (keys & MK_RBUTTON) shift |= widgets::ssRight;
    if (keys & MK_MBUTTON) shift |= widgets::ssMiddle;
    return shift;
}

}  // namespace

TGradationBar::TGradationBar(widgets::TSKGradationG& model, HWND parent,
                             ui::win32::TTooltips* hints)
    : FModel(model), FParent(parent), FHints(hints), FDpi(ui::win32::WindowDpi(parent)) {
    FModel.OnInvalidate = [this] { Invalidate(); };
    Invalidate();
}

TGradationBar::~TGradationBar() { FModel.OnInvalidate = nullptr; }

int TGradationBar::Unscale(int value) const { return ::MulDiv(value, ui::BaseDpi, FDpi); }

RECT TGradationBar::Bounds() const { return ToRECT(ui::ScaleToDpi(FModel.BoundsRect(), FDpi)); }

void TGradationBar::Invalidate() {
    ::InvalidateRect(FParent, &FPaintedBounds, TRUE);
    FPaintedBounds = Bounds();
    ::InvalidateRect(FParent, &FPaintedBounds, TRUE);
    PlaceHint();
}

// Every change of the bar comes through here: its place, its visibility, the DPI, the hint.
void TGradationBar::PlaceHint() {
    constexpr UINT_PTR HintArea = 1;
    if (!FHints || FModel.Hint().empty()) return;
    FHints->SetArea(HintArea, FModel.Visible() ? Bounds() : RECT{}, FModel.Hint());
}

void TGradationBar::Paint(HDC dc) {
    if (!FModel.Visible()) return;
    const RECT bounds = Bounds();
    const int saved = ::SaveDC(dc);
    // Bands may run past the bar's edge; they are cut off there.
    ::IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    auto brush = static_cast<HBRUSH>(::GetStockObject(DC_BRUSH));
    FModel.Paint([&](const widgets::TGradationBand& band) {
        RECT area = ToRECT(ui::ScaleToDpi(band.Bounds, FDpi));
        ::OffsetRect(&area, bounds.left, bounds.top);
        ::SetDCBrushColor(dc, ToColorRef(band.Color));
        ::FillRect(dc, &area, brush);
    });
    ::RestoreDC(dc, saved);
}

bool TGradationBar::Contains(POINT point) const {
    const RECT bounds = Bounds();
    return FModel.Visible() && ::PtInRect(&bounds, point);
}

void TGradationBar::FollowPointer(POINT point) {
    const bool inside = Contains(point);
    if (inside == FPointerInside) return;
    FPointerInside = inside;
    if (inside) {
        // The parent is told when the pointer leaves it, so the bar hears of it too.
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FParent, 0};
        ::TrackMouseEvent(&track);
        FModel.MouseEnter();
    } else {
        FModel.MouseLeave();
    }
}

bool TGradationBar::OnButton(UINT message, WPARAM keys, POINT point) {
    using widgets::TMouseButton;
    const bool down =
        message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
    if (down ? !Contains(point) : !FPressed) return false;
    const TMouseButton button =
        (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP)   ? TMouseButton::mbLeft
        : (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) ? TMouseButton::mbRight
                                                                 : TMouseButton::mbMiddle;
    const RECT bounds = Bounds();
    const int x = Unscale(point.x - bounds.left);
    const int y = Unscale(point.y - bounds.top);
    // A press keeps the pointer for the bar until the release, wherever that happens.
    FPressed = down;
    if (down) {
        ::SetCapture(FParent);
        FModel.MouseDown(button, KeysToShift(keys), x, y);
    } else {
        if (::GetCapture() == FParent) ::ReleaseCapture();
        FModel.MouseUp(button, KeysToShift(keys), x, y);
    }
    return true;
}

bool TGradationBar::OnParentMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = ::BeginPaint(FParent, &paint);
            Paint(dc);
            ::EndPaint(FParent, &paint);
            return true;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return true;
        case WM_MOUSEMOVE:
            FollowPointer(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return false;
        case WM_MOUSELEAVE:
            FollowPointer(POINT{-1, -1});
            return false;
        case WM_CAPTURECHANGED:
            FPressed = false;
            return false;
        case WM_DPICHANGED:
            FDpi = static_cast<int>(LOWORD(wParam));
            Invalidate();
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            return OnButton(message, wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        default:
            return false;
    }
}

}  // namespace wyndrel::win32
