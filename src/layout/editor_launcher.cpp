// Editor launching. The wait for input idle is bounded, and the search after a start sleeps
// on the message queue between tries, so the program neither hangs on an editor that never
// gets ready nor spins while it waits for one.
#include "layout/editor_launcher.h"

#include <array>

namespace wyndrel::layout {
namespace {

constexpr std::array<const char*, 10> DocumentTypeWords{"", "html", "perl", "ini", "bat",
                                                        "cpp", "java", "vb", "hsp", "pas"};

}  // namespace

std::string OpenFileCommandLine(const std::string& editorPath, const std::string& path) {
    std::string commandLine = editorPath;
    commandLine += " \"";
    commandLine += path;
    commandLine += '"';
    return commandLine;
}

std::optional<std::string> NewDocumentCommandLine(const std::string& editorPath, int type) {
    if (type < 0 || type >= static_cast<int>(DocumentTypeWords.size())) return std::nullopt;
    if (type == 0) return editorPath;
    std::string commandLine = editorPath;
    commandLine += " /";
    commandLine += DocumentTypeWords[static_cast<size_t>(type)];
    return commandLine;
}

void TEditorLauncher::StartEditor(const std::string& commandLine, const std::optional<TStartPlacement>& placement,
                                  TPriorityClass startPriority) {
    auto process = FProcesses.StartProcess(commandLine, placement);
    if (!process) return;
    FProcesses.SetPriority(*process, startPriority);
    // When the editor is not ready in time the search below goes on regardless.
    FProcesses.WaitForInputIdle(*process, InputIdleTimeoutMs);
    FProcesses.SetPriority(*process, TPriorityClass::Normal);
    FProcesses.CloseProcess(*process);
}

WindowId TEditorLauncher::Search(const std::string& path) {
    FEngine.FindEditorByFile(path);
    return FEngine.FoundWnd;
}

void TEditorLauncher::RestoreIfMinimisedOrMaximised(WindowId window) {
    IDesktop& desktop = FEngine.Desktop();
    if (desktop.IsZoomed(window) || desktop.IsIconic(window)) desktop.Restore(window);
}

void TEditorLauncher::OpenLayoutEntry(const std::string& path, std::int32_t left, std::int32_t top,
                                      std::int32_t width, std::int32_t height, std::int32_t selStart) {
    FEngine.FoundWnd = {};
    WindowId window = Search(path);
    if (!window) {
        std::optional<TStartPlacement> placement;
        if (width > 0) placement = TStartPlacement{left, top, width, height};
        StartEditor(OpenFileCommandLine(FEngine.EditorPath, path), placement, TPriorityClass::High);
        window = Search(path);
        const std::uint32_t started = FProcesses.TickCount();
        while (!window && FProcesses.TickCount() - started < WindowSearchMs) {
            window = Search(path);
            if (!window) FUi.WaitForMessages(WindowSearchPauseMs);
        }
        if (!window) {
            FUi.ShowMessageDialog(TDialogType::Error, EditorNotConfirmedText, TBoxButtons::Ok);
            return;
        }
    }
    // Commands run during the waits may have searched too: take the text control now.
    WindowId editor = FEngine.FoundEditor;
    IDesktop& desktop = FEngine.Desktop();
    RestoreIfMinimisedOrMaximised(window);
    desktop.SetWindowPos(window, TInsertAfter::NotTopMost, left, top, width, height, TPlacementFlags::ShowWindow);
    desktop.SetForeground(window);
    desktop.SetSelection(editor, selStart, selStart);
    desktop.ScrollCaret(editor);
}

void TEditorLauncher::OpenFileInEditor(const std::string& path) {
    FEngine.FoundWnd = {};
    WindowId window = Search(path);
    if (!window) {
        StartEditor(OpenFileCommandLine(FEngine.EditorPath, path), std::nullopt, TPriorityClass::High);
        window = Search(path);
        if (!window) {
            FUi.ShowMessageDialog(TDialogType::Error, EditorNotConfirmedText, TBoxButtons::Ok);
            return;
        }
    }
    IDesktop& desktop = FEngine.Desktop();
    RestoreIfMinimisedOrMaximised(window);
    desktop.SetWindowPos(window, TInsertAfter::Top, 0, 0, 0, 0,
                         TPlacementFlags::ShowWindow | TPlacementFlags::NoZOrder | TPlacementFlags::NoMove |
                             TPlacementFlags::NoSize);
    desktop.SetForeground(window);
}

void TEditorLauncher::StartNewEditor(int type) {
    auto commandLine = NewDocumentCommandLine(FEngine.EditorPath, type);
    if (!commandLine) return;
    StartEditor(*commandLine, std::nullopt, type == 0 ? TPriorityClass::RealTime : TPriorityClass::High);
}

}  // namespace wyndrel::layout
