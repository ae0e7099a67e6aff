// The main window's Win32 side: messages in as presenter events, frame operations out.
#include "app/win32/main_window_view.h"

#include "app/main_window_form.h"
#include "app/main_window_ids.h"
#include "app/resident_start.h"
#include "app/win32/program_icon.h"
#include "platform/win32/display_monitors.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/wide_string.h"
#include "ui/private_messages.h"
#include "ui/win32/dropped_files.h"

#include <shellapi.h>

namespace wyndrel::app::win32 {
namespace {

constexpr DWORD TitledStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// No frame and no title bar; the window menu stays reachable with Alt+Space.
constexpr DWORD BorderlessStyle = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

}  // namespace

TMainWindowView::TMainWindowView(IUserInterface& ui, widgets::TSKGradationG& grad,
                                 TfrmWyndrel& presenter, ui::TAppActivation& activation)
    : TWindowBase(ui),
      FGrad(grad),
      FBinder(MainWindowForm()),
      FView(FBinder, [this] { ::SendMessageW(Handle(), WM_CLOSE, 0, 0); }),
      FPresenter(presenter),
      FActivation(activation) {
    RegisterWindowClass(
        wyndrel::win32::Widen(MainWindowClassName).c_str(), LoadProgramIcon(TIconSize::Large),
        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), LoadProgramIcon(TIconSize::Small));
    CreateOwnWindow(wyndrel::win32::Widen(MainWindowClassName).c_str(),
                    wyndrel::win32::Widen(ProgramName), TitledStyle, 0, BuiltInPosition.X,
                    BuiltInPosition.Y, CW_USEDEFAULT, CW_USEDEFAULT);
}

TMainWindowView::~TMainWindowView() { Destroy(); }

void TMainWindowView::Destroy() {
    if (Handle() && ::IsWindow(Handle())) ::DestroyWindow(Handle());
}

bool TMainWindowView::OnCreate() {
    FBinder.CreateControls(Handle());
    FBar = std::make_unique<wyndrel::win32::TGradationBar>(FGrad, Handle(), &FBinder.Tooltips());
    FSysMenu = ::GetSystemMenu(Handle(), FALSE);
    wyndrel::win32::EnableDialogKeys(Handle());
    return true;
}

void TMainWindowView::OnClose() { FPresenter.OnCloseRequest(); }

void TMainWindowView::OnDestroy() {
    wyndrel::win32::ForgetDialogKeys(Handle());
    FPresenter.FormDestroy();
    FBar.reset();
}

void TMainWindowView::OnCommand(int id, int notifyCode, HWND control) {
    auto event = FBinder.Translate(MAKEWPARAM(id, notifyCode), reinterpret_cast<LPARAM>(control));
    if (event) FPresenter.OnControl(*event);
}

void TMainWindowView::OnTimer(UINT_PTR timerId) { FPresenter.OnTimer(static_cast<int>(timerId)); }

LRESULT TMainWindowView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (FBar && FBar->OnParentMessage(message, wParam, lParam)) return 0;
    switch (message) {
        case WM_SYSCOMMAND:
            // The identifier is compared whole: the platform's own commands use the low bits.
            if (FPresenter.OnSysCommand(static_cast<std::uint32_t>(wParam))) return 0;
            break;
        case WM_SHOWWINDOW:
            if (wParam) FPresenter.OnShow();
            break;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) == FBinder.Control(ids::btnChangeView)) {
                FPresenter.OnChangeViewPopup();
                return 0;
            }
            break;
        case WM_ACTIVATE:
            // The platform gives an activated window that is no dialog box the focus itself;
            // here the control that had it gets it back, as in a dialog box. A minimised
            // window, or one whose controls all refuse the focus, is left to the platform.
            if (HIWORD(wParam) == 0 && FPresenter.OnActivate(LOWORD(wParam) != WA_INACTIVE))
                return 0;
            break;
        case WM_ACTIVATEAPP:
            if (!wParam)
                FPresenter.AppEventsDeactivate();
            else
                FActivation.Activate();
            break;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_DISPLAYCHANGE:
            FPresenter.OnDisplayChange();
            break;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETWORKAREA) FPresenter.OnDisplayChange();
            break;
        // The program never holds the session's end up; when it does end, it is a quit.
        case WM_QUERYENDSESSION:
            FPresenter.OnQueryEndSession();
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) FPresenter.OnEndSession();
            return 0;
        case WM_DPICHANGED:
            FBinder.OnDpiChanged(wParam, lParam);
            return 0;
        default:
            if (message == ui::ShowRequestMessage) {
                FPresenter.OnShowRequest();
                return 0;
            }
            break;
    }
    return TWindowBase::OnMessage(message, wParam, lParam);
}

// The hourglass stays while the layouts are restored, also when one fails.
void TMainWindowView::OnDropFiles(HDROP drop) {
    std::vector<std::string> paths = ui::win32::TakeDroppedFiles(drop);
    if (paths.empty()) return;
    HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    struct TRestoreCursor {
        HCURSOR Cursor;
        ~TRestoreCursor() { ::SetCursor(Cursor); }
    } restore{previous};
    FPresenter.OnDropFiles(paths);
}

void TMainWindowView::SetTitleBar(bool titleBar) {
    LONG_PTR visible = ::GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VISIBLE;
    ::SetWindowLongPtrW(Handle(), GWL_STYLE,
                        static_cast<LONG_PTR>(titleBar ? TitledStyle : BorderlessStyle) | visible);
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainWindowView::SetTopMost(bool topMost) {
    ::SetWindowPos(Handle(), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// A minimised window reports its place as the one it comes back to.
TStartWindowMetrics TMainWindowView::Metrics() {
    RECT outer{};
    ::GetWindowRect(Handle(), &outer);
    RECT client{};
    ::GetClientRect(Handle(), &client);
    TStartWindowMetrics metrics;
    metrics.Current = {outer.left, outer.top};
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (::IsIconic(Handle()) && ::GetWindowPlacement(Handle(), &placement))
        metrics.Current = {placement.rcNormalPosition.left, placement.rcNormalPosition.top};
    metrics.OuterWidth = outer.right - outer.left;
    metrics.OuterHeight = outer.bottom - outer.top;
    metrics.ClientWidth = client.right;
    metrics.ClientHeight = client.bottom;
    metrics.ScreenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    metrics.ScreenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    return metrics;
}

void TMainWindowView::MoveTo(Point topLeft) {
    ::SetWindowPos(Handle(), nullptr, topLeft.X, topLeft.Y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<TMonitor> TMainWindowView::Monitors() { return wyndrel::win32::DisplayMonitors(); }

void TMainWindowView::AcceptFiles() { ::DragAcceptFiles(Handle(), TRUE); }

void TMainWindowView::DragByCaption() {
    ::ReleaseCapture();
    ::SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

Point TMainWindowView::CursorPos() {
    POINT point{};
    ::GetCursorPos(&point);
    return {point.x, point.y};
}

std::uint32_t TMainWindowView::CaptionColor(TCaptionColor which) {
    return ::GetSysColor(static_cast<int>(which));
}

void TMainWindowView::BringForward() {
    ::SetActiveWindow(Handle());
    ::SetForegroundWindow(Handle());
    ::BringWindowToTop(Handle());
}

void TMainWindowView::Repaint() {
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TMainWindowView::MinimizeApplication() { ::ShowWindow(Handle(), SW_MINIMIZE); }
void TMainWindowView::RestoreApplication() { ::ShowWindow(Handle(), SW_RESTORE); }
bool TMainWindowView::ApplicationMinimized() { return ::IsIconic(Handle()) != FALSE; }

void TMainWindowView::Quit() {
    if (!FQuitRequested) ::PostQuitMessage(0);
    FQuitRequested = true;
}

// The window menu is fetched again each time: the platform may hand out a new one after a
// border change; the last one is kept when it hands out none.
HMENU TMainWindowView::SystemMenu() {
    if (HMENU menu = ::GetSystemMenu(Handle(), FALSE)) FSysMenu = menu;
    return FSysMenu;
}

void TMainWindowView::DeleteEntry(std::uint32_t id) {
    ::DeleteMenu(SystemMenu(), id, MF_BYCOMMAND);
}

void TMainWindowView::InsertEntry(int position, const TWindowMenuEntry& entry) {
    std::wstring text = wyndrel::win32::Widen(entry.Text);
    ::InsertMenuW(SystemMenu(), static_cast<UINT>(position),
                  MF_BYPOSITION | (entry.Separator ? MF_SEPARATOR : MF_STRING), entry.Id,
                  entry.Separator ? nullptr : text.c_str());
}

void TMainWindowView::CheckEntry(std::uint32_t id, bool checked) {
    ::CheckMenuItem(SystemMenu(), id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TMainWindowView::Redraw() { ::DrawMenuBar(Handle()); }

}  // namespace wyndrel::app::win32
