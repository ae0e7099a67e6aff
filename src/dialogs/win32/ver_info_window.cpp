// The About window's Win32 side: messages in as presenter events, letter colours and the
// hyperlink labels' painting out.
#include "dialogs/win32/ver_info_window.h"

#include "dialogs/ver_info_form.h"
#include "dialogs/ver_info_ids.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_rect.h"
#include "platform/work_area.h"
#include "ui/win32/text_extent.h"

namespace wyndrel::dialogs::win32 {
namespace {

using namespace ver_info_ids;

constexpr const wchar_t* WindowClassName = L"TfrmVerInfo";
constexpr const wchar_t* ImageClassName = L"TWyndrelImage";

bool IsTitle(int id) {
    return id == lblTitleBak || (id >= lblTitle1 && id < lblTitle1 + TitleLetterCount);
}

// The picture control: the icon kept in its user data, stretched over its client area.
LRESULT CALLBACK ImageProc(HWND image, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return ::DefWindowProcW(image, message, wParam, lParam);
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(image, &paint);
    RECT client{};
    ::GetClientRect(image, &client);
    if (auto icon = reinterpret_cast<HICON>(::GetWindowLongPtrW(image, GWLP_USERDATA)))
        ::DrawIconEx(dc, 0, 0, icon, client.right, client.bottom, 0, nullptr, DI_NORMAL);
    ::EndPaint(image, &paint);
    return 0;
}

void RegisterImageClass() {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (::GetClassInfoExW(::GetModuleHandleW(nullptr), ImageClassName, &existing)) return;
    WNDCLASSEXW imageClass{};
    imageClass.cbSize = sizeof(imageClass);
    imageClass.lpfnWndProc = &ImageProc;
    imageClass.hInstance = ::GetModuleHandleW(nullptr);
    imageClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    imageClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    imageClass.lpszClassName = ImageClassName;
    ::RegisterClassExW(&imageClass);
}

void ChangeStyle(HWND control, LONG_PTR add, LONG_PTR remove = 0, LONG_PTR addEx = 0) {
    ::SetWindowLongPtrW(control, GWL_STYLE,
                        (::GetWindowLongPtrW(control, GWL_STYLE) & ~remove) | add);
    ::SetWindowLongPtrW(control, GWL_EXSTYLE, ::GetWindowLongPtrW(control, GWL_EXSTYLE) | addEx);
    ::SetWindowPos(control, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

TVerInfoWindow::TVerInfoWindow(IUserInterface& ui)
    : TWindowBase(ui),
      FBinder(VerInfoForm()),
      FView(FBinder, [this] { ::PostMessageW(Handle(), WM_CLOSE, 0, 0); }),
      FTimGrad(ver_info_ids::TimGrad) {}

void TVerInfoWindow::Create(HWND owner, HICON icon) {
    FIcon = icon;
    RegisterImageClass();
    RegisterWindowClass(WindowClassName, icon, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    // No WS_CLIPCHILDREN: the title letters are transparent, the window paints beneath them.
    CreateOwnWindow(WindowClassName, wyndrel::win32::Widen(VerInfoForm().Caption),
                    WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, 0, 0,
                    100, 100, owner);
}

widgets::TURLLabel& TVerInfoWindow::URLLabel(int id) { return FLinks.at(id)->Label(); }

bool TVerInfoWindow::OnCreate() {
    FBinder.CreateControls(Handle());
    DressControls();
    FTimGrad.AttachWindow(Handle());
    wyndrel::win32::EnableDialogKeys(Handle());
    CentreOnDesktop();
    return true;
}

// What the form table's kinds do not say: the picture, the sunken centred version box,
// hints on the title labels, and the two statics that become hyperlink labels.
void TVerInfoWindow::DressControls() {
    ::SetWindowLongPtrW(FBinder.Control(Image1), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(FIcon));
    ChangeStyle(FBinder.Control(txtVerInfo), SS_CENTER | SS_NOPREFIX, SS_TYPEMASK,
                WS_EX_STATICEDGE);
    for (int id = lblTitleBak; id < lblTitle1 + TitleLetterCount; ++id)
        ChangeStyle(FBinder.Control(id), SS_NOTIFY);
    for (int id : {URLLabel1, URLMAIL}) {
        auto link = std::make_unique<wyndrel::win32::TURLLabelControl>(FBinder.Control(id));
        link->Label().SetExecutable(true);
        link->Label().SetHotColor(widgets::clBlue);
        FLinks[id] = std::move(link);
    }
}

void TVerInfoWindow::CentreOnDesktop() {
    RECT outer{};
    ::GetWindowRect(Handle(), &outer);
    const Rect screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    const Rect centred = CentreOn(wyndrel::win32::ToRect(outer), screen);
    ::SetWindowPos(Handle(), nullptr, centred.Left, centred.Top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TVerInfoWindow::OnClose() {
    if (FPresenter) FPresenter->FormClose();
    ::DestroyWindow(Handle());
}

void TVerInfoWindow::OnDestroy() {
    wyndrel::win32::ForgetDialogKeys(Handle());
    FLinks.clear();
}

void TVerInfoWindow::OnCommand(int id, int notifyCode, HWND control) {
    if (!FPresenter) return;
    // Enter and Esc arrive from the dialog keys as IDOK and IDCANCEL: both press btnOK.
    if (id == IDOK || id == IDCANCEL)
        return FPresenter->OnControl({btnOK, ui::TControlEventKind::Click});
    if (auto event =
            FBinder.Translate(MAKEWPARAM(id, notifyCode), reinterpret_cast<LPARAM>(control)))
        FPresenter->OnControl(*event);
}

void TVerInfoWindow::OnTimer(UINT_PTR timerId) {
    if (FPresenter) FPresenter->OnTimer(static_cast<int>(timerId));
}

LRESULT TVerInfoWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC:
            if (auto brush =
                    OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
                return *brush;
            break;
        case WM_SHOWWINDOW:
            if (lParam != 0) return ShowWithOwner(wParam, lParam);
            if (wParam && !FShowingWithOwner && FPresenter) FPresenter->OnShow();
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && FPresenter) FPresenter->FormActivate();
            break;
        case WM_DPICHANGED:
            FBinder.OnDpiChanged(wParam, lParam);
            return 0;
        default:
            break;
    }
    return TWindowBase::OnMessage(message, wParam, lParam);
}

// The owner is minimised or comes back (SW_PARENTCLOSING, SW_PARENTOPENING): the platform's
// own handling hides or shows the window through ShowWindow, and that is no new showing.
LRESULT TVerInfoWindow::ShowWithOwner(WPARAM wParam, LPARAM lParam) {
    FShowingWithOwner = true;
    struct TDone {
        bool& Flag;
        ~TDone() { Flag = false; }
    } done{FShowingWithOwner};
    return TWindowBase::OnMessage(WM_SHOWWINDOW, wParam, lParam);
}

std::optional<LRESULT> TVerInfoWindow::OnControlColor(HDC dc, HWND control) {
    const auto id = FBinder.IdOf(control);
    if (!id) return std::nullopt;
    if (IsTitle(*id)) {
        ::SetBkMode(dc, TRANSPARENT);
        auto color = FColors.find(*id);
        ::SetTextColor(dc, wyndrel::win32::ColorRef(color == FColors.end() ? widgets::clWindowText
                                                                           : color->second));
        return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
    }
    if (*id == txtSysInfo) {  // read-only, yet white like a text box one types in
        ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
    }
    return std::nullopt;
}

void TVerInfoWindow::SetFontColor(int id, widgets::TColor color) {
    FColors[id] = color;
    HWND control = FBinder.Control(id);
    if (!control) return;
    RECT area{};
    ::GetWindowRect(control, &area);
    ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    // Erased and painted beneath first: a transparent letter is never drawn over its old self.
    ::RedrawWindow(Handle(), &area, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

int TVerInfoWindow::TextWidth(int id, const std::string& text) {
    return ui::win32::ControlTextWidth(FBinder.Control(id), text, FBinder.Dpi());
}

void TVerInfoWindow::Repaint() {
    ::RedrawWindow(Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TVerInfoWindow::BringForward() {
    if (::IsIconic(Handle())) ::ShowWindow(Handle(), SW_RESTORE);
    ::SetForegroundWindow(Handle());
    ::SetActiveWindow(Handle());
    ::SetFocus(FBinder.Control(btnOK));
}

}  // namespace wyndrel::dialogs::win32
