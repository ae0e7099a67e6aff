// The last session: the layout of the editors open now, kept by the resident program in a
// layout file of its own, so that after a log-off, a restart, a crash or a power cut the
// next start can bring every editor back, asked or not as the user chose.
#pragma once

#include "layout/editor_launcher.h"
#include "layout/layout_engine.h"
#include "layout/layout_record.h"
#include "platform/files.h"
#include "platform/timer.h"
#include "platform/user_interface.h"
#include "settings/ini_access.h"
#include "ui/command_table.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wyndrel::app {

inline constexpr std::string_view LastSessionFileName = "LastSession.qdl";
inline constexpr std::uint32_t LastSessionIntervalMs = 60000;

// RestoreLastSession as it acts: anything but 0 and 2 asks.
enum class TLastSessionChoice { Nothing = 0, Ask = 1, Restore = 2 };
TLastSessionChoice LastSessionChoiceOf(std::int32_t stored);

// "前回のセッションで開いていたQuillonのウィンドウ(n個)を復元しますか？"
std::string LastSessionQuestion(std::size_t entries);

// The layout file at `path` can be read and lists at least one editor.
bool LastSessionListed(IFiles& files, const std::string& path);

struct TLastSessionPorts {
    layout::TLayoutEngine& Engine;
    layout::TEditorLauncher& Launcher;
    IFiles& Files;
    IUserInterface& Ui;
    settings::TIniAccess& Ini;
    ITimer& Timer;  // the minute's capture
};

struct TLastSessionFiles {
    std::string Path;          // LastSession.qdl in the settings folder
    std::string SnapshotPath;  // the scatter's snapshot: while it exists, its places count
};

enum class TKeepMoment { Minute, SessionEnd };

class TLastSession {
public:
    // Reads how the last run ended and notes this one as running, starts the minute's timer,
    // and registers the offer at the start, the tray's restore and the two captures.
    TLastSession(TLastSessionPorts ports, TLastSessionFiles files, ui::TCommandTable& commands);

    // Captures the editors and writes the file when what it holds differs; silent, and a
    // failed write is tried again at the next capture. No editor writes the header alone,
    // except at the session's end, when editors may be closing already.
    void Keep(TKeepMoment moment);
    // After a run the user did not quit, when the file lists a file no editor shows now.
    void OfferAtStart();
    void Restore();

    // Told of each minute's capture, the editors with their windows and their own places.
    std::function<void(const std::vector<layout::TLayout>&)> OnMinuteCapture;

private:
    void TakeScatterPlaces(std::vector<layout::TLayout>& entries);

    TLastSessionPorts FPorts;
    TLastSessionFiles FFiles;
    bool FLastRunQuitByUser = true;
    std::optional<std::vector<layout::TLayout>> FKept;  // what the file holds, once known
};

}  // namespace wyndrel::app
