// Shell_NotifyIconW calls and the notify window that hands the shell's messages to the sink.
#include "widgets/win32/win32_notify_area.h"

#include "platform/win32/wide_string.h"
#include "text/utf8.h"

#include <iterator>

namespace wyndrel::win32 {

class TWin32NotifyArea::TNotifyWindow : public TWindowBase {
public:
    explicit TNotifyWindow(TWin32NotifyArea& area) : FArea(area) {
        RegisterWindowClass(NotifyWindowClass);
        // A hidden top-level window, not a message-only one: only top-level windows hear
        // the shell's "TaskbarCreated" broadcast.
        CreateOwnWindow(NotifyWindowClass, L"", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0);
        if (Handle()) {
            // An elevated program would not hear the broadcast of a shell that is not.
            ::ChangeWindowMessageFilterEx(Handle(), FTaskbarCreated, MSGFLT_ALLOW, nullptr);
        }
    }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == ui::TrayCallbackMessage) {
            POINT cursor{};
            ::GetCursorPos(&cursor);
            if (FArea.FSink) {
                FArea.FSink->Dispatch(static_cast<int>(wParam), static_cast<std::uint32_t>(lParam),
                                      Point{cursor.x, cursor.y});
            }
            return 0;
        }
        if (message == FTaskbarCreated && FTaskbarCreated != 0) {
            if (FArea.FSink) FArea.FSink->NotifyAreaRecreated();
            return 0;
        }
        return TWindowBase::OnMessage(message, wParam, lParam);
    }

private:
    TWin32NotifyArea& FArea;
    const UINT FTaskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
};

TWin32NotifyArea::TWin32NotifyArea() = default;
TWin32NotifyArea::~TWin32NotifyArea() = default;

bool TWin32NotifyArea::EnsureWindow() {
    // Created at the first icon and kept for the rest of the run.
    if (!FWindow) FWindow = std::make_unique<TNotifyWindow>(*this);
    return FWindow->Handle() != nullptr;
}

bool TWin32NotifyArea::Notify(DWORD action, const widgets::TNotifyIconData& icon) {
    if (!EnsureWindow()) return false;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = FWindow->Handle();
    data.uID = static_cast<UINT>(icon.IconId);
    data.uFlags = icon.Flags;
    data.uCallbackMessage = icon.CallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(icon.Icon.Value);
    // The field holds a fixed number of wide characters with the terminator; a longer tip is
    // cut before the character that would not fit whole.
    std::wstring tip = Widen(text::FirstUtf16Units(icon.Tip, std::size(data.szTip) - 1));
    tip.copy(data.szTip, std::size(data.szTip) - 1);
    return ::Shell_NotifyIconW(action, &data) != FALSE;
}

bool TWin32NotifyArea::Add(const widgets::TNotifyIconData& icon) { return Notify(NIM_ADD, icon); }

bool TWin32NotifyArea::Modify(const widgets::TNotifyIconData& icon) {
    return Notify(NIM_MODIFY, icon);
}

bool TWin32NotifyArea::Delete(int iconId) {
    if (!FWindow || !FWindow->Handle()) return false;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = FWindow->Handle();
    data.uID = static_cast<UINT>(iconId);
    return ::Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

}  // namespace wyndrel::win32
