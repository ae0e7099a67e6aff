// Messages of the hyperlink label's static control.
#include "widgets/win32/url_label_control.h"

#include "platform/win32/wide_string.h"

#include <commctrl.h>
#include <shellapi.h>

namespace wyndrel::win32 {
namespace {

constexpr UINT_PTR SubclassId = 0x55524C;

std::string ControlText(HWND control) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

// The program's own hand cursor, loaded again for every label; the platform's hand when the
// program lacks it.
HCURSOR HandCursor() {
    HCURSOR own =
        ::LoadCursorW(::GetModuleHandleW(nullptr), Widen(widgets::HandCursorResource).c_str());
    return own ? own : ::LoadCursorW(nullptr, IDC_HAND);
}

}  // namespace

COLORREF ColorRef(widgets::TColor color) {
    return (color & 0xFF000000u) ? ::GetSysColor(static_cast<int>(color & 0xFF))
                                 : static_cast<COLORREF>(color);
}

TURLLabelControl::TURLLabelControl(HWND control)
    : FControl(control), FCursor(HandCursor()), FLabel(*this) {
    FLabel.SetCaption(ControlText(control));
    ::SetWindowSubclass(control, &SubclassProc, SubclassId, reinterpret_cast<DWORD_PTR>(this));
}

TURLLabelControl::~TURLLabelControl() {
    if (FControl) ::RemoveWindowSubclass(FControl, &SubclassProc, SubclassId);
}

void TURLLabelControl::Repaint() { ::InvalidateRect(FControl, nullptr, TRUE); }

bool TURLLabelControl::PointerInside() {
    POINT point{};
    ::GetCursorPos(&point);
    ::ScreenToClient(FControl, &point);
    RECT client{};
    ::GetClientRect(FControl, &client);
    return ::PtInRect(&client, point) != FALSE;
}

void TURLLabelControl::ShellOpen(const std::string& file) {
    ::ShellExecuteW(nullptr, L"OPEN", Widen(file).c_str(), L"", L"", SW_SHOW);
}

LRESULT CALLBACK TURLLabelControl::SubclassProc(HWND control, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* label = reinterpret_cast<TURLLabelControl*>(self);
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(control, &SubclassProc, SubclassId);
        label->FControl = nullptr;
        return ::DefSubclassProc(control, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (label->OnMessage(message, result)) return result;
    return ::DefSubclassProc(control, message, wParam, lParam);
}

bool TURLLabelControl::OnMessage(UINT message, LRESULT& result) {
    using widgets::TMouseButton;
    auto press = [&](TMouseButton button) {
        ::SetCapture(FControl);
        FLabel.MouseDown(button);
    };
    auto release = [&](TMouseButton button) {
        if (::GetCapture() == FControl) ::ReleaseCapture();
        FLabel.MouseUp(button);
        FInside = PointerInside();  // a release outside ends the hover as well
    };
    switch (message) {
        // A plain static lets the mouse through to its parent.
        case WM_NCHITTEST:
            result = HTCLIENT;
            return true;
        case WM_SETCURSOR:
            ::SetCursor(FCursor);
            result = TRUE;
            return true;
        case WM_MOUSEMOVE:
            OnMouseMove();
            return true;
        case WM_MOUSELEAVE:
            FInside = false;
            FLabel.MouseLeave();
            return true;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            press(TMouseButton::mbLeft);
            return true;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            press(TMouseButton::mbRight);
            return true;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            press(TMouseButton::mbMiddle);
            return true;
        case WM_LBUTTONUP:
            release(TMouseButton::mbLeft);
            return true;
        case WM_RBUTTONUP:
            release(TMouseButton::mbRight);
            return true;
        case WM_MBUTTONUP:
            release(TMouseButton::mbMiddle);
            return true;
        case WM_ERASEBKGND:
            result = 1;
            return true;  // painted whole in WM_PAINT
        case WM_PAINT:
            OnPaint();
            return true;
        default:
            return false;
    }
}

void TURLLabelControl::OnMouseMove() {
    if (FInside) return;
    FInside = true;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FControl, 0};
    ::TrackMouseEvent(&track);
    FLabel.MouseEnter();
}

// The background as the parent gives it to its statics; the text on one line, without
// mnemonics, cut at the control's edge (the static class paints with its parent's clipping).
void TURLLabelControl::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(FControl, &paint);
    RECT client{};
    ::GetClientRect(FControl, &client);
    ::IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(::GetParent(FControl), WM_CTLCOLORSTATIC,
                                                         reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(FControl)));
    ::FillRect(dc, &client, brush ? brush : ::GetSysColorBrush(COLOR_BTNFACE));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ColorRef(FLabel.FontColor()));
    HGDIOBJ previous =
        ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(FControl, WM_GETFONT, 0, 0)));
    std::wstring text = Widen(FLabel.Caption());
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client,
                DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, previous);
    ::EndPaint(FControl, &paint);
}

}  // namespace wyndrel::win32
