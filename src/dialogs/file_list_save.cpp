// The lists are written with the process raised to the real-time class and the wait cursor
// showing, one key per write, and the process put back to idle, its resting class. A file
// that refuses writes is told before any of that, and a write that fails midway at once.
#include "dialogs/file_list_save.h"

#include "dialogs/reporting_writer.h"
#include "platform/storable_path.h"
#include "settings/setting_keys.h"

#include <variant>

namespace wyndrel::dialogs {
namespace {

using namespace settings::keys;

std::vector<std::string> StorableEntries(const std::vector<std::string>& entries, IFiles& files) {
    std::vector<std::string> stored;
    for (const std::string& entry : entries) {
        auto form = StorablePath(files, entry);
        if (auto* path = std::get_if<std::string>(&form)) stored.push_back(*path);
    }
    return stored;
}

class TBulkWork {
public:
    explicit TBulkWork(const TFileListSavePorts& ports) : FPorts(ports) {
        FPorts.Ui.SetBusyCursor(true);
        FPorts.Process.SetOwnPriority(TPriorityClass::RealTime);
    }
    ~TBulkWork() {
        FPorts.Ui.SetBusyCursor(false);
        FPorts.Process.SetOwnPriority(TPriorityClass::Idle);
    }
    TBulkWork(const TBulkWork&) = delete;
    TBulkWork& operator=(const TBulkWork&) = delete;

private:
    const TFileListSavePorts& FPorts;
};

void WriteFiles(const settings::TNumberedStringKey& key, const std::vector<std::string>& stored,
                settings::TSettingsWriter& writer) {
    for (std::size_t n = 0; n < stored.size(); ++n)
        writer.Write(key, static_cast<int>(n), stored[n]);
}

}  // namespace

bool SaveFavoritesList(const std::vector<std::string>& entries, const TFileListSavePorts& ports,
                       const TRebuildFavoritesMenu& rebuildMenu) {
    settings::TSettingsWriter writer = ReportingWriter(ports.Ini, ports.Ui);
    if (!writer.Ready()) return false;
    TBulkWork work(ports);
    const std::vector<std::string> stored = StorableEntries(entries, ports.Files);
    writer.Write(FavoritesItemCount, static_cast<std::int32_t>(stored.size()));
    WriteFiles(FavoritesFile, stored, writer);
    if (writer.Failed()) return false;
    if (rebuildMenu) rebuildMenu(stored);
    return true;
}

bool SaveAutoSaveList(const std::vector<std::string>& entries, const TFileListSavePorts& ports) {
    settings::TSettingsWriter writer = ReportingWriter(ports.Ini, ports.Ui);
    if (!writer.Ready()) return false;
    const std::vector<std::string> stored = StorableEntries(entries, ports.Files);
    writer.Write(AutoSaveFileCount, static_cast<std::int32_t>(stored.size()));
    if (!stored.empty() && !writer.Failed()) {
        TBulkWork work(ports);
        WriteFiles(AutoSaveFile, stored, writer);
    }
    return !writer.Failed();
}

}  // namespace wyndrel::dialogs
