// The layout engine's state and its editor-window probe. The program creates one engine
// and hands it to every command; the state lives as long as the program.
#pragma once

#include "layout/layout_record.h"
#include "platform/desktop.h"

#include <string>
#include <vector>

namespace wyndrel::layout {

class TLayoutEngine {
public:
    explicit TLayoutEngine(IDesktop& desktop) : FDesktop(desktop) {}

    // Results of the last capture: the first LayoutCount entries of Layouts, topmost first.
    std::vector<TLayout> Layouts;
    int LayoutCount = 0;

    // Input and results of FindEditorByFile.
    std::string TargetFileName;
    WindowId FoundWnd;
    WindowId FoundEditor;

    // The editor executable every launch starts.
    std::string EditorPath;

    // The window's class name, or a text that matches no class when it cannot be read.
    std::string GetWndClassName(WindowId window);
    // The path the editor window shows (at most 254 characters), or "".
    std::string GetEditorFileName(WindowId window);
    // Fills Layouts with every editor window that shows a file; the platform's success flag.
    bool CaptureEditors();
    // Leaves in FoundWnd and FoundEditor the topmost editor window showing `path`
    // (compared without regard to letter case). The caller clears FoundWnd first.
    void FindEditorByFile(const std::string& path);

    IDesktop& Desktop() { return FDesktop; }

private:
    bool IsEditorWindow(WindowId window) { return GetWndClassName(window) == EditorMainClassName(); }
    static std::string EditorMainClassName();

    IDesktop& FDesktop;
};

}  // namespace wyndrel::layout
