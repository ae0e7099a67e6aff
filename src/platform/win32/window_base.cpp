// Window creation, message routing and the exception barrier of every window.
#include "platform/win32/window_base.h"

#include "platform/win32/guarded_dispatch.h"
#include "platform/win32/last_error.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/wide_string.h"

namespace wyndrel::win32 {

TWindowBase::~TWindowBase() {
    if (FHandle) {
        // The window may outlive its object only as long as this destructor runs.
        ::SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
        ::DestroyWindow(FHandle);
        FHandle = nullptr;
    }
}

void TWindowBase::RegisterWindowClass(const wchar_t* className, HICON icon, HBRUSH background,
                                      HICON smallIcon) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (::GetClassInfoExW(instance, className, &existing)) return;

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &TWindowBase::StaticWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon ? smallIcon : icon;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground =
        background ? background : reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (!::RegisterClassExW(&windowClass))
        ThrowLastError("RegisterClassExW(" + Narrow(className) + ")");
}

HWND TWindowBase::CreateOwnWindow(const wchar_t* className, const std::wstring& title, DWORD style,
                                  DWORD exStyle, int left, int top, int width, int height,
                                  HWND parent, HMENU menu) {
    return ::CreateWindowExW(exStyle, className, title.c_str(), style, left, top, width, height,
                             parent, menu, ::GetModuleHandleW(nullptr), this);
}

LRESULT TWindowBase::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(FHandle, message, wParam, lParam);
}

LRESULT CALLBACK TWindowBase::StaticWindowProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<TWindowBase*>(create->lpCreateParams);
        self->FHandle = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TWindowBase*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(window, message, wParam, lParam);

    // A creation that throws must fail the window's creation, not leave a half-made window.
    const LRESULT failed = message == WM_CREATE ? -1 : 0;
    LRESULT result = RunGuarded([&] { return self->Dispatch(message, wParam, lParam); }, failed,
                                self->FUserInterface, window);
    if (message == WM_NCDESTROY) {
        ForgetDialogKeys(window);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->FHandle = nullptr;
    }
    return result;
}

LRESULT TWindowBase::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate() ? 0 : -1;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wParam));
            return 0;
        case WM_SIZE:
            OnSize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        default:
            return OnMessage(message, wParam, lParam);
    }
}

}  // namespace wyndrel::win32
