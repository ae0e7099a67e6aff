// An in-memory desktop: windows with classes, texts, rectangles, children and a Z order,
// answering the desktop port as the platform would.
#pragma once

#include "platform/desktop.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace wyndrel::fakes {

struct TFakeWindow {
    std::string ClassName;
    std::string Text;
    Rect Bounds;  // in physical pixels of the display
    // Where a minimised or maximised window goes back to, in screen coordinates; none for a
    // window in its normal state.
    std::optional<Rect> NormalBounds;
    std::int32_t SelectionStart = 0;
    std::int32_t SelectionEnd = 0;
    WindowId Parent;
    std::vector<WindowId> Children;  // in creation order, which FindChild follows
    bool Zoomed = false;
    bool Iconic = false;
    bool Visible = true;
    bool TopMost = false;
    int CaretScrolls = 0;   // EM_SCROLLCARET calls received
    bool Modified = false;  // an edit control's unsaved changes
    // Private messages received, in order: "sent <n>", "posted <n>", and "keystroke save"
    // for a Ctrl+S typed while the window was in the foreground.
    std::vector<std::string> Received;
};

class TFakeDesktop : public IDesktop {
public:
    // A top-level window placed at the top of the Z order.
    WindowId AddTopLevel(const std::string& className, const Rect& bounds = {},
                         const std::string& text = {});
    WindowId AddChild(WindowId parent, const std::string& className, const std::string& text = {});
    // An editor main window with its path child and its text control holding `document`.
    WindowId AddEditor(const std::string& path, const Rect& bounds = {0, 0, 640, 480},
                       std::int32_t caret = 0,
                       const std::string& document = std::string(1000, '.'));

    void Destroy(WindowId window);
    // Minimised as the platform does it: the window moves far off every screen and keeps
    // its rectangle as its normal position.
    void Minimise(WindowId window);
    // Maximised as the platform does it: the window covers the work area of the monitor under
    // its centre (else the primary one's), its frame beyond the edges, and keeps its
    // rectangle as its normal position. Activates nothing.
    void Maximise(WindowId window);
    // The monitors, the primary one first; one of 1920 x 1080 with a task bar at the bottom
    // until set.
    void SetMonitors(std::vector<TMonitor> monitors) { FMonitors = std::move(monitors); }
    // A scaled display: the windows' and monitors' physical pixels are answered in the
    // 96-DPI logical pixels a program that is not DPI aware sees.
    void SetDisplayDpi(int dpi) { FDpi = dpi; }
    TFakeWindow& Window(WindowId window);
    WindowId EditorChild(WindowId editor);
    std::vector<WindowId> ZOrder() const { return FZOrder; }

    // The window the user works in; SetForeground moves it unless refused.
    WindowId Foreground() const { return FForeground; }
    void RefuseForeground(bool refuse) { FRefuseForeground = refuse; }

    // Every synthesised key event: "<key> down|up", with " extended" when flagged.
    const std::vector<std::string>& KeyLog() const { return FKeyLog; }
    WindowId ActiveWindow() const { return FActive; }

    void FailEnumeration(bool fail) { FEnumerationFails = fail; }
    void FailClassNameOf(WindowId window) { FClassNameFailures.push_back(window); }
    // Runs after each window the enumeration hands out, before the next is taken.
    void OnEachEnumeratedWindow(std::function<void(WindowId)> hook) {
        FEnumerationHook = std::move(hook);
    }
    // Runs once, right after the next text length has been answered (a text that changes
    // between its length and its reading).
    void OnTextLengthAsked(std::function<void(WindowId)> hook) {
        FTextLengthHook = std::move(hook);
    }

    bool EnumerateTopLevelWindows(const std::function<bool(WindowId)>& visit) override;
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
    bool SetWindowPos(WindowId window, TInsertAfter insertAfter, std::int32_t left,
                      std::int32_t top, std::int32_t width, std::int32_t height,
                      TPlacementFlags flags) override;
    bool SetForeground(WindowId window) override;
    void SetSelection(WindowId editControl, std::int32_t start, std::int32_t end) override;
    void ScrollCaret(WindowId editControl) override;
    bool IsModified(WindowId editControl) override;
    void SendPrivateMessage(WindowId window, std::uint32_t message) override;
    void PostPrivateMessage(WindowId window, std::uint32_t message) override;
    bool IsInFront(WindowId window) override { return Exists(window) && FForeground == window; }
    WindowId ForegroundWindow() override { return FForeground; }
    void SetActiveWindow(WindowId window) override { FActive = window; }
    void KeyEvent(std::uint8_t virtualKey, bool keyUp, bool extended) override;
    void BeginGeometryPass() override;
    void EndGeometryPass() override;

    // Outermost geometry passes begun, and geometry calls (rectangles, placement, monitors)
    // made outside any pass.
    int GeometryPasses() const { return FGeometryPasses; }
    int GeometryCallsOutsidePasses() const { return FGeometryCallsOutsidePasses; }

private:
    void CountGeometryCall();
    bool Exists(WindowId window) const { return FWindows.count(window.Value) != 0; }
    // Moves a top-level window to the top of its band: above every window when topmost,
    // else just below the topmost ones.
    void BringToTopOfBand(WindowId window);
    // Activated as ShowWindow activates: made active and put on top of its band.
    void Activate(WindowId window);

    std::int32_t ToLogical(std::int32_t physical) const;
    std::int32_t ToPhysical(std::int32_t logical) const;
    Rect ToLogical(const Rect& physical) const;

    std::map<std::uintptr_t, TFakeWindow> FWindows;
    std::vector<TMonitor> FMonitors{{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}};
    int FDpi = 96;
    std::vector<WindowId> FZOrder;  // top first
    std::uintptr_t FNextId = 0x100;
    bool FEnumerationFails = false;
    std::vector<WindowId> FClassNameFailures;
    std::function<void(WindowId)> FEnumerationHook;
    std::function<void(WindowId)> FTextLengthHook;
    WindowId FForeground;
    bool FRefuseForeground = false;
    WindowId FActive;
    std::vector<std::string> FKeyLog;
    bool FControlDown = false;
    int FPassDepth = 0;
    int FGeometryPasses = 0;
    int FGeometryCallsOutsidePasses = 0;
};

}  // namespace wyndrel::fakes
