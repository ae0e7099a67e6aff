// Editor launching. The wait for input idle is bounded, and the search after a start sleeps
// on the message queue between tries, so the program neither hangs on an editor that never
// gets ready nor spins while it waits for one.
#include "layout/editor_launcher.h"

#include "layout/editor_placement.h"
#include "platform/go_on_regardless.h"
#include "text/path_characters.h"

#include <array>

namespace wyndrel::layout {
namespace {

constexpr std::array<const char*, 10> DocumentTypeWords{"",    "html", "perl", "ini", "bat",
                                                        "cpp", "java", "vb",   "hsp", "pas"};

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

std::optional<TStartedProcess> TEditorLauncher::Launch(
    const std::string& commandLine, const std::optional<TStartPlacement>& placement,
    TPriorityClass startPriority) {
    auto process = FProcesses.StartProcess(FEditorPath.Path(), commandLine, placement);
    // A priority the system refuses leaves the editor at its own; it starts all the same.
    if (process) GoOnRegardless(FProcesses.SetPriority(*process, startPriority));
    return process;
}

void TEditorLauncher::FinishStart(const TStartedProcess& process) {
    // When the editor is not ready in time the search for its window goes on regardless.
    GoOnRegardless(FProcesses.WaitForInputIdle(process, InputIdleTimeoutMs));
    GoOnRegardless(FProcesses.SetPriority(process, TPriorityClass::Normal));
    FProcesses.CloseProcess(process);
}

void TEditorLauncher::StartEditor(const std::string& commandLine,
                                  const std::optional<TStartPlacement>& placement,
                                  TPriorityClass startPriority) {
    if (auto process = Launch(commandLine, placement, startPriority)) FinishStart(*process);
}

std::optional<TStartedProcess> TEditorLauncher::LaunchForEntry(
    const TLayout& entry, const std::vector<TMonitor>& monitors) {
    // A rectangle from another desk, or beyond a monitor unplugged since, is brought onto
    // this one before the editor is started.
    const TWindowBox box = OnScreenPlacementBox(entry, monitors);
    std::optional<TStartPlacement> placement;
    if (box.Width > 0) placement = box;
    return Launch(OpenFileCommandLine(FEditorPath.Path(), entry.FileName), placement,
                  TPriorityClass::High);
}

void TEditorLauncher::ReportNotConfirmed() {
    FUi.ShowMessageDialog(TDialogType::Error, EditorNotConfirmedText, TBoxButtons::Ok);
}

// A path no file can have names no document, and a '"' in it would end the quoted
// argument and hand the rest to the editor as switches of its own: nothing is started.
bool TEditorLauncher::RefusesPath(const std::string& path) {
    if (text::CanBeWindowsPath(path)) return false;
    FUi.ShowMessageDialog(TDialogType::Error, path + "\r\n" + UnusablePathText, TBoxButtons::Ok);
    return true;
}

void TEditorLauncher::RestoreIfMinimisedOrMaximised(WindowId window) {
    IDesktop& desktop = FEngine.Desktop();
    if (desktop.IsZoomed(window) || desktop.IsIconic(window)) desktop.Restore(window);
}

void TEditorLauncher::OpenLayoutEntry(const std::string& path, std::int32_t left, std::int32_t top,
                                      std::int32_t width, std::int32_t height,
                                      std::int32_t selStart) {
    OpenLayoutEntry(TLayout{path, selStart, left, top, width, height, {}});
}

void TEditorLauncher::OpenLayoutEntry(const TLayout& entry) { OpenEntry(entry, std::nullopt); }

void TEditorLauncher::OpenEntry(const TLayout& entry, std::optional<TEarlyStart> early) {
    const std::string& path = entry.FileName;
    if (RefusesPath(path)) return;
    std::optional<TFoundEditor> found;
    if (!early) {
        found = FEngine.FindEditorByFile(path);
        if (!found) early = TEarlyStart{LaunchForEntry(entry, FEngine.Desktop().Monitors())};
    }
    if (!found) {
        // An editor that failed to start is searched for all the same, and reported below.
        if (early->Process) FinishStart(*early->Process);
        auto search = [&] {
            found = FEngine.FindEditorByFile(path);
            return found.has_value();
        };
        // The search's time counts from the moment the editor is ready for input.
        if (!search() && !FWait.Until(search, WindowSearchMs)) {
            ReportNotConfirmed();
            return;
        }
    }
    IDesktop& desktop = FEngine.Desktop();
    // A window that closed since it was found is not placed, and the calls after this one
    // find nothing to act on either: there is nothing to tell the user.
    PlaceEditorWindow(desktop, found->Wnd, entry, TPlaceStacking::BringToTop);
    RequestForeground(desktop, found->Wnd);
    desktop.SetSelection(found->Editor, entry.SelStart, entry.SelStart);
    desktop.ScrollCaret(found->Editor);
}

void TEditorLauncher::OpenFileInEditor(const std::string& path) {
    if (RefusesPath(path)) return;
    std::optional<TFoundEditor> found = FEngine.FindEditorByFile(path);
    if (!found) {
        StartEditor(OpenFileCommandLine(FEditorPath.Path(), path), std::nullopt,
                    TPriorityClass::High);
        found = FEngine.FindEditorByFile(path);
        if (!found) {
            ReportNotConfirmed();
            return;
        }
    }
    IDesktop& desktop = FEngine.Desktop();
    RestoreIfMinimisedOrMaximised(found->Wnd);
    // Shown as in OpenLayoutEntry: a window that closed meanwhile is not shown.
    GoOnRegardless(desktop.SetWindowPos(found->Wnd, TInsertAfter::Top, 0, 0, 0, 0,
                                        TPlacementFlags::ShowWindow | TPlacementFlags::NoZOrder |
                                            TPlacementFlags::NoMove | TPlacementFlags::NoSize));
    RequestForeground(desktop, found->Wnd);
}

void TEditorLauncher::StartNewEditor(int type) {
    auto commandLine = NewDocumentCommandLine(FEditorPath.Path(), type);
    if (!commandLine) return;
    StartEditor(*commandLine, std::nullopt,
                type == 0 ? TPriorityClass::RealTime : TPriorityClass::High);
}

}  // namespace wyndrel::layout
