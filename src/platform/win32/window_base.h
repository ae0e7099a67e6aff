// The base of every window of the program: it keeps `this` with the window, routes
// messages to named methods and keeps exceptions from ever reaching Win32.
#pragma once

#include "platform/user_interface.h"
#include "platform/win32/windows_header.h"

#include <string>

namespace wyndrel::win32 {

class TWindowBase {
public:
    // Unexpected exceptions are shown through the error dialog of `ui` when one is given,
    // else through the platform's adapter.
    TWindowBase() = default;
    explicit TWindowBase(IUserInterface& ui) : FUserInterface(&ui) {}
    virtual ~TWindowBase();
    TWindowBase(const TWindowBase&) = delete;
    TWindowBase& operator=(const TWindowBase&) = delete;

    HWND Handle() const noexcept { return FHandle; }

    // Registers the class once per process; later calls with the same name do nothing.
    // Throws std::runtime_error with the platform's reason when the class cannot be registered.
    // Without a small icon the platform shrinks `icon` for the title bar and the taskbar.
    static void RegisterWindowClass(const wchar_t* className, HICON icon = nullptr,
                                    HBRUSH background = nullptr, HICON smallIcon = nullptr);

protected:
    // Creates the window; `this` is attached before WM_NCCREATE is handled.
    HWND CreateOwnWindow(const wchar_t* className, const std::wstring& title, DWORD style,
                         DWORD exStyle, int left, int top, int width, int height,
                         HWND parent = nullptr, HMENU menu = nullptr);

    // False, or an exception, makes CreateWindowExW fail (WM_CREATE returns -1).
    virtual bool OnCreate() { return true; }
    virtual void OnClose() { ::DestroyWindow(FHandle); }
    virtual void OnDestroy() {}
    virtual void OnCommand(int /*id*/, int /*notifyCode*/, HWND /*control*/) {}
    virtual void OnTimer(UINT_PTR /*timerId*/) {}
    virtual void OnSize(int /*width*/, int /*height*/) {}
    // Every other message; the default hands it to DefWindowProc.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    IUserInterface* UserInterface() const noexcept { return FUserInterface; }

private:
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND FHandle = nullptr;
    IUserInterface* FUserInterface = nullptr;
};

}  // namespace wyndrel::win32
