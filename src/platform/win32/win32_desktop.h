// The desktop port on Win32: one call per method, geometry in DPI-unaware pixels.
#pragma once

#include "platform/desktop.h"
#include "platform/win32/dpi_unaware_scope.h"
#include "platform/win32/windows_header.h"

#include <optional>

namespace wyndrel::win32 {

inline HWND ToHwnd(WindowId window) { return reinterpret_cast<HWND>(window.Value); }
inline WindowId ToWindowId(HWND window) {
    return WindowId{reinterpret_cast<std::uintptr_t>(window)};
}

class TWin32Desktop : public IDesktop {
public:
    [[nodiscard]] bool EnumerateTopLevelWindows(
        const std::function<bool(WindowId)>& visit) override;
    std::optional<std::string> ClassName(WindowId window, int limit) override;
    WindowId FindChild(WindowId parent, const std::string& className) override;
    std::int32_t WindowTextLength(WindowId window) override;
    std::string WindowText(WindowId window, int limit) override;
    std::int32_t SelectionStart(WindowId editControl) override;
    std::optional<Rect> WindowRect(WindowId window) override;
    std::optional<Rect> NormalPosition(WindowId window) override;
    std::vector<TMonitor> Monitors() override;
    bool IsZoomed(WindowId window) override;
    bool IsIconic(WindowId window) override;
    void Restore(WindowId window) override;
    void RestoreWithoutActivating(WindowId window) override;
    void Maximize(WindowId window) override;
    [[nodiscard]] bool SetWindowPos(WindowId window, TInsertAfter insertAfter, std::int32_t left,
                                    std::int32_t top, std::int32_t width, std::int32_t height,
                                    TPlacementFlags flags) override;
    [[nodiscard]] bool SetForeground(WindowId window) override;
    void SetSelection(WindowId editControl, std::int32_t start, std::int32_t end) override;
    void ScrollCaret(WindowId editControl) override;
    bool IsModified(WindowId editControl) override;
    void SendPrivateMessage(WindowId window, std::uint32_t message) override;
    void PostPrivateMessage(WindowId window, std::uint32_t message) override;
    bool IsInFront(WindowId window) override;
    WindowId ForegroundWindow() override;
    void SetActiveWindow(WindowId window) override;
    void KeyEvent(std::uint8_t virtualKey, bool keyUp, bool extended) override;
    void BeginGeometryPass() override;
    void EndGeometryPass() override;

private:
    int FPassDepth = 0;
    std::optional<TDpiUnawareScope> FPass;
};

}  // namespace wyndrel::win32
