// Window creation, message routing and the exception barrier of every window.
#include "platform/win32/window_base.h"

#include "platform/silent_abort.h"
#include "platform/win32/wide_string.h"

#include <exception>

namespace wyndrel::win32 {

TWindowBase::~TWindowBase() {
    if (FHandle) {
        // The window may outlive its object only as long as this destructor runs.
        ::SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
        ::DestroyWindow(FHandle);
        FHandle = nullptr;
    }
}

void TWindowBase::RegisterWindowClass(const wchar_t* className, HICON icon, HBRUSH background) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (::GetClassInfoExW(instance, className, &existing)) return;

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &TWindowBase::StaticWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background ? background : reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    ::RegisterClassExW(&windowClass);
}

HWND TWindowBase::CreateOwnWindow(const wchar_t* className, const std::wstring& title, DWORD style,
                                  DWORD exStyle, int left, int top, int width, int height, HWND parent,
                                  HMENU menu) {
    return ::CreateWindowExW(exStyle, className, title.c_str(), style, left, top, width, height, parent, menu,
                             ::GetModuleHandleW(nullptr), this);
}

LRESULT TWindowBase::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(FHandle, message, wParam, lParam);
}

void TWindowBase::ReportUnexpected(const std::string& message) {
    ::MessageBoxW(FHandle, Widen(message).c_str(), L"Wyndrel", MB_OK | MB_ICONERROR);
}

LRESULT CALLBACK TWindowBase::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<TWindowBase*>(create->lpCreateParams);
        self->FHandle = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TWindowBase*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(window, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = self->Dispatch(message, wParam, lParam);
    } catch (const ESilentAbort&) {
        // The operation has told the user what it had to; nothing more is said.
    } catch (const std::exception& error) {
        self->ReportUnexpected(error.what());
    } catch (...) {
        self->ReportUnexpected("Unknown error");
    }
    if (message == WM_NCDESTROY) {
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
