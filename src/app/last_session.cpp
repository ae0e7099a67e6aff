// Keeping the last session's layout and offering it again at the next start.
#include "app/last_session.h"

#include "app/main_window_ids.h"
#include "layout/layout_commands.h"
#include "layout/layout_file_io.h"
#include "settings/setting_keys.h"
#include "settings/settings_writer.h"
#include "text/case_mapping.h"

#include <algorithm>
#include <utility>

namespace wyndrel::app {

TLastSessionChoice LastSessionChoiceOf(std::int32_t stored) {
    if (stored < 0 || stored > settings::keys::MaxRestoreLastSession)
        return TLastSessionChoice::Ask;
    return static_cast<TLastSessionChoice>(stored);
}

std::string LastSessionQuestion(std::size_t entries) {
    return "前回のセッションで開いていたQuillonのウィンドウ(" + std::to_string(entries) +
           "個)を復元しますか？";
}

namespace {

std::optional<std::vector<layout::TLayout>> ReadEntries(IFiles& files, const std::string& path) {
    layout::TLayoutFileRead read = layout::ReadLayoutFile(files, path);
    auto* content = std::get_if<layout::TLayoutFileContent>(&read);
    if (!content || content->Error || content->Header != layout::THeaderKind::Current)
        return std::nullopt;
    return std::move(content->Entries);
}

}  // namespace

bool LastSessionListed(IFiles& files, const std::string& path) {
    const auto entries = ReadEntries(files, path);
    return entries && !entries->empty();
}

TLastSession::TLastSession(TLastSessionPorts ports, TLastSessionFiles files,
                           ui::TCommandTable& commands)
    : FPorts(ports), FFiles(std::move(files)) {
    using settings::keys::QuitByUser;
    FLastRunQuitByUser = FPorts.Ini.Read(QuitByUser);
    settings::TSettingsWriter(FPorts.Ini, settings::TWriteFailure::Ignore).Write(QuitByUser, false);
    commands.Add(ids::cmdOfferLastSession, [this] { OfferAtStart(); });
    commands.Add(ids::pmLastSession, [this] { Restore(); });
    commands.Add(ids::cmdKeepLastSession, [this] { Keep(TKeepMoment::Minute); });
    commands.Add(ids::cmdKeepLastSessionAtEnd, [this] { Keep(TKeepMoment::SessionEnd); });
    FPorts.Timer.Start(LastSessionIntervalMs);
}

// Scattered windows stand at random places: the places kept are those they go back to, with
// the show state they had.
void TLastSession::TakeScatterPlaces(std::vector<layout::TLayout>& entries) {
    if (!FPorts.Files.FileExists(FFiles.SnapshotPath)) return;
    const auto snapshot = ReadEntries(FPorts.Files, FFiles.SnapshotPath);
    if (!snapshot) return;
    for (layout::TLayout& entry : entries) {
        auto before =
            std::find_if(snapshot->begin(), snapshot->end(), [&](const layout::TLayout& kept) {
                return text::SameTextIgnoringCase(kept.FileName, entry.FileName);
            });
        if (before == snapshot->end()) continue;
        // Everything but the file and the caret is the snapshot's.
        layout::TLayout place = *before;
        place.FileName = std::move(entry.FileName);
        place.SelStart = entry.SelStart;
        entry = std::move(place);
    }
}

void TLastSession::Keep(TKeepMoment moment) {
    std::optional<std::vector<layout::TLayout>> entries = FPorts.Engine.CaptureEditors();
    if (!entries) return;
    if (entries->empty() && moment == TKeepMoment::SessionEnd) return;
    if (moment == TKeepMoment::Minute && OnMinuteCapture) OnMinuteCapture(*entries);
    for (layout::TLayout& entry : *entries) entry.Wnd = {};
    TakeScatterPlaces(*entries);
    if (!FKept) FKept = ReadEntries(FPorts.Files, FFiles.Path);
    if (FKept && *FKept == *entries) return;
    if (layout::WriteLayoutFile(FPorts.Files, FFiles.Path, *entries))
        return;  // tried again next time
    FKept = std::move(*entries);
}

void TLastSession::OfferAtStart() {
    if (FLastRunQuitByUser) return;
    const TLastSessionChoice choice =
        LastSessionChoiceOf(FPorts.Ini.Read(settings::keys::RestoreLastSession));
    if (choice == TLastSessionChoice::Nothing) return;
    const auto entries = ReadEntries(FPorts.Files, FFiles.Path);
    if (!entries) return;
    const bool anyMissing =
        std::any_of(entries->begin(), entries->end(), [this](const layout::TLayout& entry) {
            return !FPorts.Engine.FindEditorByFile(entry.FileName);
        });
    if (!anyMissing) return;
    if (choice == TLastSessionChoice::Ask &&
        FPorts.Ui.ShowMessageDialog(TDialogType::Confirmation, LastSessionQuestion(entries->size()),
                                    TBoxButtons::YesNo) != TBoxAnswer::Yes)
        return;
    Restore();
}

void TLastSession::Restore() {
    layout::LoadLayout(FPorts.Launcher, FPorts.Files, FPorts.Ui, FFiles.Path);
}

}  // namespace wyndrel::app
