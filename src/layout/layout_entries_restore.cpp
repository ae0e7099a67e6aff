// Restoring all of a layout's entries. The editors for the files no window shows are started
// before the first entry is waited for, so that they start up side by side: the restore then
// takes about as long as the slowest start-up, not the sum of them all.
#include "layout/editor_launcher.h"

#include "platform/go_on_regardless.h"
#include "text/case_mapping.h"
#include "text/path_characters.h"

#include <set>
#include <utility>

namespace wyndrel::layout {

void TEditorLauncher::OpenLayoutEntries(const std::vector<TLayout>& entries) {
    if (entries.empty()) return;
    // The starts not yet handed to their entry: released, back at normal priority, should
    // the restore stop half way.
    struct TEarlyStarts {
        IProcesses& Processes;
        std::vector<std::optional<TEarlyStart>> Starts;
        ~TEarlyStarts() {
            for (const std::optional<TEarlyStart>& start : Starts) {
                if (!start || !start->Process) continue;
                GoOnRegardless(Processes.SetPriority(*start->Process, TPriorityClass::Normal));
                Processes.CloseProcess(*start->Process);
            }
        }
    } early{FProcesses, std::vector<std::optional<TEarlyStart>>(entries.size())};

    {
        // Starting shows nothing and waits for nothing: one geometry pass for all the starts.
        TGeometryPass pass(FEngine.Desktop());
        // The files a window shows, and then also those an earlier entry's editor is to show.
        std::set<std::string> shown = FEngine.ShownFiles();
        const std::vector<TMonitor> monitors = FEngine.Desktop().Monitors();
        for (size_t i = 0; i < entries.size(); ++i) {
            const std::string& path = entries[i].FileName;
            // A path no file can have is reported at its entry's turn.
            if (!text::CanBeWindowsPath(path)) continue;
            if (!shown.insert(text::LocaleLower(path)).second) continue;
            early.Starts[i] = TEarlyStart{LaunchForEntry(entries[i], monitors)};
        }
    }
    for (size_t i = 0; i < entries.size(); ++i)
        OpenEntry(entries[i], std::exchange(early.Starts[i], std::nullopt));
}

}  // namespace wyndrel::layout
