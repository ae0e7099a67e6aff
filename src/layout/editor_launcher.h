// Putting a file or a new document in front of the user in an editor window: reusing a
// window that already shows the file, else starting the editor and waiting for its window.
#pragma once

#include "layout/bounded_wait.h"
#include "layout/editor_path.h"
#include "layout/layout_engine.h"
#include "platform/processes.h"
#include "platform/user_interface.h"

#include <cstdint>
#include <string>
#include <vector>

namespace wyndrel::layout {

// The bound on a started editor's wait until it is ready for input.
inline constexpr std::uint32_t InputIdleTimeoutMs = 30000;
// How long OpenLayoutEntry looks for a started editor's window.
inline constexpr std::uint32_t WindowSearchMs = 1000;

inline constexpr const char* EditorNotConfirmedText = "起動させたQuillonを確認できませんでした。";
// Follows the path, on a line of its own, in the box for a path no file can have.
inline constexpr const char* UnusablePathText =
    "パスに使えない文字が含まれているため、Quillonを起動しませんでした。";

// The editor's command lines; the executable path is not quoted.
std::string OpenFileCommandLine(const std::string& editorPath, const std::string& path);
// Types 0 to 9 of the new-document menu; none outside that range.
std::optional<std::string> NewDocumentCommandLine(const std::string& editorPath, int type);

// Putting one file, or a new document, in front of the user. A path no file can have
// starts nothing: the box says so, naming it.
class IEditorStarter {
public:
    virtual ~IEditorStarter() = default;
    // A favourite: shown where its window is, caret untouched; a failure is reported.
    virtual void OpenFileInEditor(const std::string& path) = 0;
    // A new document of the given type; nothing is searched or reported.
    virtual void StartNewEditor(int type) = 0;
};

class TEditorLauncher : public IEditorStarter {
public:
    // Starts the editor `editorPath` names at the moment of each start.
    TEditorLauncher(TLayoutEngine& engine, const TEditorPath& editorPath, IProcesses& processes,
                    IUserInterface& ui)
        : FEngine(engine),
          FEditorPath(editorPath),
          FProcesses(processes),
          FUi(ui),
          FWait(processes, ui) {}

    // One entry of a layout: shown at its place and in its show state (PlaceEditorWindow),
    // in front, with its caret. A started editor is asked to open at the normal rectangle.
    void OpenLayoutEntry(const TLayout& entry);
    // Every entry of a layout, ending as OpenLayoutEntry on each in file order would. The
    // editors for the files no window shows are all started first, in file order, so that
    // they start up side by side; then each entry in turn waits for its own editor (the
    // wait for input idle, then the window search, as long as for one editor alone) and is
    // placed. Entries for one file start one editor.
    void OpenLayoutEntries(const std::vector<TLayout>& entries);
    // An entry of a window in its normal state.
    void OpenLayoutEntry(const std::string& path, std::int32_t left, std::int32_t top,
                         std::int32_t width, std::int32_t height, std::int32_t selStart);
    void OpenFileInEditor(const std::string& path) override;
    void StartNewEditor(int type) override;

private:
    void StartEditor(const std::string& commandLine,
                     const std::optional<TStartPlacement>& placement, TPriorityClass startPriority);
    // The first half of a start: the process started and raised to `startPriority`.
    std::optional<TStartedProcess> Launch(const std::string& commandLine,
                                          const std::optional<TStartPlacement>& placement,
                                          TPriorityClass startPriority);
    // The second half: the bounded wait until it is ready for input, its priority back to
    // normal, its handles released.
    void FinishStart(const TStartedProcess& process);
    // The editor for a layout entry, asked to open at the entry's on-screen normal rectangle.
    std::optional<TStartedProcess> LaunchForEntry(const TLayout& entry,
                                                  const std::vector<TMonitor>& monitors);
    // An editor started for an entry before its turn, not yet waited for; no process when
    // the start failed.
    struct TEarlyStart {
        std::optional<TStartedProcess> Process;
    };
    // OpenLayoutEntry, with the start made for the entry beforehand when there was one.
    void OpenEntry(const TLayout& entry, std::optional<TEarlyStart> early);
    void RestoreIfMinimisedOrMaximised(WindowId window);
    void ReportNotConfirmed();
    [[nodiscard]] bool RefusesPath(const std::string& path);

    TLayoutEngine& FEngine;
    const TEditorPath& FEditorPath;
    IProcesses& FProcesses;
    IUserInterface& FUi;
    TBoundedWait FWait;
};

}  // namespace wyndrel::layout
