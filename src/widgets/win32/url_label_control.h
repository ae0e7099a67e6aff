// A static control subclassed into the hyperlink label: the program's hand cursor, mouse
// events handed to the portable TURLLabel, its text painted in the label's colour and cut
// at the control's edge, and the shell asked to open the caption.
#pragma once

#include "platform/win32/windows_header.h"
#include "widgets/url_label.h"

namespace wyndrel::win32 {

class TURLLabelControl : public widgets::IURLLabelPlatform {
public:
    // Takes over `control` (a static) until it is destroyed or this object goes.
    explicit TURLLabelControl(HWND control);
    ~TURLLabelControl() override;
    TURLLabelControl(const TURLLabelControl&) = delete;
    TURLLabelControl& operator=(const TURLLabelControl&) = delete;

    widgets::TURLLabel& Label() { return FLabel; }
    HWND Handle() const { return FControl; }

    void Repaint() override;
    bool PointerInside() override;
    void ShellOpen(const std::string& file) override;

private:
    static LRESULT CALLBACK SubclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    bool OnMessage(UINT message, LRESULT& result);
    void OnMouseMove();
    void OnPaint();

    HWND FControl;
    HCURSOR FCursor;
    widgets::TURLLabel FLabel;
    bool FInside = false;
};

// A TColor as the platform's COLORREF: a system colour (high byte set) looked up.
COLORREF ColorRef(widgets::TColor color);

}  // namespace wyndrel::win32
