// The layout engine's editor-window probe: recognising editor windows, capturing them and
// finding the one that shows a file. Results are returned, never kept: the desktop changes
// between two calls, and a command may run inside another one's wait.
#pragma once

#include "layout/layout_record.h"
#include "platform/desktop.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace wyndrel::layout {

// An editor window found by the file it shows, and its text control.
struct TFoundEditor {
    WindowId Wnd;
    WindowId Editor;
    friend bool operator==(const TFoundEditor&, const TFoundEditor&) = default;
};

// The whole text of a window, however long: one read for most texts, its length asked
// only of a text that fills the first buffer.
std::string WholeWindowText(IDesktop& desktop, WindowId window);

class TLayoutEngine {
public:
    explicit TLayoutEngine(IDesktop& desktop) : FDesktop(desktop) {}

    // The window's class name, or a text that matches no class when it cannot be read.
    std::string GetWndClassName(WindowId window);
    // The whole path the editor window shows, or "".
    std::string GetEditorFileName(WindowId window);
    // Every editor window that shows a file, topmost first; none when the enumeration failed.
    std::optional<std::vector<TLayout>> CaptureEditors();
    // The paths the editor windows show, in the lower case FindEditorByFile compares them in.
    std::set<std::string> ShownFiles();
    // The topmost editor window showing `path` (compared without regard to letter case).
    std::optional<TFoundEditor> FindEditorByFile(const std::string& path);

    // The window's rectangle as the user gets it back: for a minimised window the one it
    // is restored to, not its place off every screen; no value when the window is gone.
    std::optional<Rect> RestoredWindowRect(WindowId window);
    // For a maximised window, its show state and the rectangle it is restored to, in `entry`.
    void RecordShowState(WindowId window, TLayout& entry);

    IDesktop& Desktop() { return FDesktop; }

private:
    bool IsEditorWindow(WindowId window);

    IDesktop& FDesktop;
};

}  // namespace wyndrel::layout
