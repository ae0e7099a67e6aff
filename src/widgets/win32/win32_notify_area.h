// The notification area on Win32: Shell_NotifyIconW, and one hidden window for the whole
// program that receives the clicks on its icons and the shell's re-creation broadcast.
#pragma once

#include "platform/win32/window_base.h"
#include "widgets/notify_area.h"

#include <memory>

namespace wyndrel::win32 {

class TWin32NotifyArea : public widgets::INotifyArea {
public:
    // The window's class name, for finding it from outside.
    static constexpr const wchar_t* NotifyWindowClass = L"TNotifyWindow";

    TWin32NotifyArea();
    ~TWin32NotifyArea() override;

    [[nodiscard]] bool Add(const widgets::TNotifyIconData& icon) override;
    [[nodiscard]] bool Modify(const widgets::TNotifyIconData& icon) override;
    [[nodiscard]] bool Delete(int iconId) override;
    void SetSink(widgets::INotifyAreaSink* sink) override { FSink = sink; }

private:
    class TNotifyWindow;

    [[nodiscard]] bool EnsureWindow();
    [[nodiscard]] bool Notify(DWORD action, const widgets::TNotifyIconData& icon);

    std::unique_ptr<TNotifyWindow> FWindow;
    widgets::INotifyAreaSink* FSink = nullptr;
};

}  // namespace wyndrel::win32
