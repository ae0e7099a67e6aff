// The background of controls that stand on a tab strip's pane. A themed pane is lighter than
// the dialog's face, so labels, check boxes, radio buttons and group boxes painted in the
// dialog's colour would show grey boxes on it; they are painted with the pane's own picture.
#pragma once

#include "platform/win32/windows_header.h"

namespace wyndrel::ui::win32 {

class TTabPaneBrush {
public:
    TTabPaneBrush() = default;
    ~TTabPaneBrush() { Reset(); }
    TTabPaneBrush(const TTabPaneBrush&) = delete;
    TTabPaneBrush& operator=(const TTabPaneBrush&) = delete;

    // The brush for the background of `control` (a child of `dialog` asking with
    // WM_CTLCOLORSTATIC on `dc`), aligned to the pane; nullptr when the control is an edit
    // box or does not stand on a tab strip's pane.
    HBRUSH For(HWND dialog, HWND control, HDC dc);
    // Paints the pane's picture on its place in `dialog`'s client area (`dc` in the dialog's
    // client coordinates), beneath the controls that stand on it: what a transparent control
    // there (a group box's inside) shows, whichever window was painted last.
    void PaintPane(HWND dialog, HDC dc);
    // The pane's picture is taken again at the next request (after a size, DPI or theme change).
    void Reset();

private:
    // The tab strip's picture, taken again when the strip or its size changed.
    void TakePicture(HWND tab);

    HWND FTab = nullptr;
    HBITMAP FPicture = nullptr;
    HBRUSH FBrush = nullptr;
    SIZE FSize{};  // the tab strip's client size the picture was taken at
    // While the picture is taken: a themed tab strip asks the dialog for the background
    // beneath it, which must not be the picture not yet finished.
    bool FTaking = false;
};

}  // namespace wyndrel::ui::win32
