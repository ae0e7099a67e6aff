// Labels and buttons on a tab strip's pane painted with the pane's picture.
#include "ui/win32/tab_pane_brush.h"

#include <commctrl.h>

#include <cwchar>

namespace wyndrel::ui::win32 {
namespace {

bool IsEditBox(HWND control) {
    wchar_t name[16] = L"";
    ::GetClassNameW(control, name, 16);
    return ::_wcsicmp(name, WC_EDITW) == 0;
}

// True when the middle of `control` lies on the page area of `tab` (both its parent's children).
bool StandsOnPane(HWND tab, HWND control) {
    RECT pane{}, box{};
    if (!::GetWindowRect(tab, &pane) || !::GetWindowRect(control, &box)) return false;
    TabCtrl_AdjustRect(tab, FALSE, &pane);
    const POINT middle{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    return ::PtInRect(&pane, middle) != FALSE;
}

}  // namespace

void TTabPaneBrush::TakePicture(HWND tab) {
    RECT client{};
    ::GetClientRect(tab, &client);
    // A tab strip that grew (a new DPI) needs a new picture: a smaller one would repeat.
    if (tab == FTab && FBrush && client.right == FSize.cx && client.bottom == FSize.cy) return;
    Reset();
    HDC screen = ::GetDC(tab);
    HDC memory = ::CreateCompatibleDC(screen);
    FPicture = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ previous = ::SelectObject(memory, FPicture);
    FTaking = true;
    ::SendMessageW(tab, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
                   PRF_ERASEBKGND | PRF_CLIENT);
    FTaking = false;
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
    ::ReleaseDC(tab, screen);
    FBrush = ::CreatePatternBrush(FPicture);
    FTab = tab;
    FSize = {client.right, client.bottom};
}

HBRUSH TTabPaneBrush::For(HWND dialog, HWND control, HDC dc) {
    HWND tab = ::FindWindowExW(dialog, nullptr, WC_TABCONTROLW, nullptr);
    if (!tab || IsEditBox(control) || !StandsOnPane(tab, control)) return nullptr;
    TakePicture(tab);
    // The pattern starts at the tab strip's corner, wherever the control stands.
    POINT origin{0, 0};
    ::MapWindowPoints(tab, control, &origin, 1);
    ::SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
    ::SetBkMode(dc, TRANSPARENT);
    return FBrush;
}

void TTabPaneBrush::PaintPane(HWND dialog, HDC dc) {
    HWND tab = ::FindWindowExW(dialog, nullptr, WC_TABCONTROLW, nullptr);
    if (!tab || FTaking || !::IsWindowVisible(tab)) return;
    TakePicture(tab);
    RECT pane{};
    ::GetClientRect(tab, &pane);
    TabCtrl_AdjustRect(tab, FALSE, &pane);
    POINT at{pane.left, pane.top};
    ::MapWindowPoints(tab, dialog, &at, 1);
    HDC memory = ::CreateCompatibleDC(dc);
    HGDIOBJ previous = ::SelectObject(memory, FPicture);
    ::BitBlt(dc, at.x, at.y, pane.right - pane.left, pane.bottom - pane.top, memory, pane.left,
             pane.top, SRCCOPY);
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
}

void TTabPaneBrush::Reset() {
    if (FBrush) ::DeleteObject(FBrush);
    if (FPicture) ::DeleteObject(FPicture);
    FBrush = nullptr;
    FPicture = nullptr;
    FTab = nullptr;
}

}  // namespace wyndrel::ui::win32
