// The desktop port: top-level windows, their classes, children, texts, rectangles, placement
// and the edit-control queries and commands, with the semantics of the Win32 calls they
// stand for.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wyndrel {

// Where SetWindowPos puts a window in the Z order.
enum class TInsertAfter { Top, Bottom, TopMost, NotTopMost };

// SetWindowPos flags the program uses; combine with |.
enum class TPlacementFlags : std::uint32_t {
    None = 0,
    NoSize = 1,
    NoMove = 2,
    NoZOrder = 4,
    ShowWindow = 8,
    NoActivate = 16,  // the window is not made the active one
};
constexpr TPlacementFlags operator|(TPlacementFlags a, TPlacementFlags b) {
    return static_cast<TPlacementFlags>(static_cast<std::uint32_t>(a) |
                                        static_cast<std::uint32_t>(b));
}
constexpr bool HasFlag(TPlacementFlags flags, TPlacementFlags flag) {
    return (static_cast<std::uint32_t>(flags) & static_cast<std::uint32_t>(flag)) != 0;
}

// Window and monitor geometry is in the pixels a program that is not DPI aware sees (the
// system DPI's logical pixels), whatever the display scaling: the coordinate space layout
// files have always held.
class IDesktop {
public:
    virtual ~IDesktop() = default;

    // EnumWindows: visits the top-level windows from the top of the Z order down while
    // `visit` returns true. The result is the platform's success flag; a visit that asks
    // to stop ends the enumeration without making it a failure.
    [[nodiscard]] virtual bool EnumerateTopLevelWindows(
        const std::function<bool(WindowId)>& visit) = 0;

    // GetClassName into a buffer of `limit` characters (at most limit - 1 of the name);
    // no value when the platform cannot tell.
    virtual std::optional<std::string> ClassName(WindowId window, int limit) = 0;

    // FindWindowEx(parent, no child after, className, any title): the first such child.
    virtual WindowId FindChild(WindowId parent, const std::string& className) = 0;

    // WM_GETTEXTLENGTH: the text's length in characters (the platform may answer more,
    // never fewer); 0 for a window that is gone.
    virtual std::int32_t WindowTextLength(WindowId window) = 0;
    // WM_GETTEXT with a buffer of `limit` characters: at most limit - 1 characters.
    virtual std::string WindowText(WindowId window, int limit) = 0;

    // EM_GETSEL: the start of the edit control's selection, a character index.
    virtual std::int32_t SelectionStart(WindowId editControl) = 0;

    // GetWindowRect in screen pixels; no value when the window is gone.
    virtual std::optional<Rect> WindowRect(WindowId window) = 0;

    // GetWindowPlacement's normal position: where a minimised or maximised window goes back
    // to, in screen coordinates; no value when the window is gone.
    virtual std::optional<Rect> NormalPosition(WindowId window) = 0;
    // Every display monitor with its work area, the primary one first.
    virtual std::vector<TMonitor> Monitors() = 0;

    // IsZoomed and IsIconic: maximised, minimised.
    virtual bool IsZoomed(WindowId window) = 0;
    virtual bool IsIconic(WindowId window) = 0;
    // ShowWindow with SW_RESTORE: back to its normal size and place from either state.
    virtual void Restore(WindowId window) = 0;
    // ShowWindow with SW_SHOWNOACTIVATE: as Restore, but the window is not activated and keeps
    // its place in the Z order.
    virtual void RestoreWithoutActivating(WindowId window) = 0;
    // ShowWindow with SW_MAXIMIZE: maximised on the monitor that holds its normal position.
    // The window is activated: the platform has no maximising that leaves the activation.
    virtual void Maximize(WindowId window) = 0;
    // SetWindowPos; false when the window is gone or the platform refused.
    // Position and size apart, as the call takes them, so no edge is ever computed.
    [[nodiscard]] virtual bool SetWindowPos(WindowId window, TInsertAfter insertAfter,
                                            std::int32_t left, std::int32_t top, std::int32_t width,
                                            std::int32_t height, TPlacementFlags flags) = 0;
    // SetForegroundWindow; the platform may refuse (false) when another program has the
    // user's attention.
    [[nodiscard]] virtual bool SetForeground(WindowId window) = 0;

    // EM_SETSEL with the given start and end, then (separately) EM_SCROLLCARET.
    virtual void SetSelection(WindowId editControl, std::int32_t start, std::int32_t end) = 0;
    virtual void ScrollCaret(WindowId editControl) = 0;
    // EM_GETMODIFY: the edit control holds unsaved changes; false for a missing control.
    virtual bool IsModified(WindowId editControl) = 0;

    // A private message with both parameters 0, such as the editor's save request: sent
    // (returns once handled) or posted (returns at once).
    virtual void SendPrivateMessage(WindowId window, std::uint32_t message) = 0;
    virtual void PostPrivateMessage(WindowId window, std::uint32_t message) = 0;

    // `window` is the foreground window and its own thread has taken the activation, so
    // typed keys reach it. A foreground change takes effect only once the other program's
    // thread has handled it: callers wait for this in their own time.
    virtual bool IsInFront(WindowId window) = 0;
    // GetForegroundWindow and SetActiveWindow.
    virtual WindowId ForegroundWindow() = 0;
    virtual void SetActiveWindow(WindowId window) = 0;
    // keybd_event with the key's scan code from MapVirtualKey.
    virtual void KeyEvent(std::uint8_t virtualKey, bool keyUp, bool extended) = 0;

    // The geometry calls between these two (rectangles, placement, monitors) share one
    // switch into the pixels of a program that is not DPI aware instead of one switch each;
    // pairs nest. Nothing in between may create a window or handle the message queue: a
    // window created under the switch would itself be unaware of the display's scaling.
    virtual void BeginGeometryPass() = 0;
    virtual void EndGeometryPass() = 0;
};

// A geometry pass for the life of a scope.
class TGeometryPass {
public:
    explicit TGeometryPass(IDesktop& desktop) : FDesktop(desktop) { FDesktop.BeginGeometryPass(); }
    ~TGeometryPass() { FDesktop.EndGeometryPass(); }
    TGeometryPass(const TGeometryPass&) = delete;
    TGeometryPass& operator=(const TGeometryPass&) = delete;

private:
    IDesktop& FDesktop;
};

// SetForeground where a refusal changes nothing the caller does: the platform refuses while
// another program has the user's attention, and a caller whose next step depends on the
// outcome waits for IsInFront instead.
inline void RequestForeground(IDesktop& desktop, WindowId window) {
    [[maybe_unused]] const bool granted = desktop.SetForeground(window);
}

// EnumerateTopLevelWindows for a pass that has no failure of its own to report: an
// enumeration the platform could not make is a pass over no window.
inline void VisitTopLevelWindows(IDesktop& desktop, const std::function<bool(WindowId)>& visit) {
    [[maybe_unused]] const bool enumerated = desktop.EnumerateTopLevelWindows(visit);
}

// Virtual-key codes the program synthesises.
inline constexpr std::uint8_t VirtualKeyControl = 0x11;
inline constexpr std::uint8_t VirtualKeyS = 'S';

}  // namespace wyndrel
