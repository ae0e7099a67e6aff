// The lists are written with the process raised to the real-time class and the wait cursor
// showing, one key per write, and the process put back to idle, its resting class.
#include "dialogs/file_list_save.h"

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

void WriteFiles(const settings::TNumberedKey& key, const std::vector<std::string>& stored,
                settings::TIniAccess& ini) {
    for (std::size_t n = 0; n < stored.size(); ++n) {
        ini.WriteIniString(key.Section, key.Name(static_cast<int>(n)), stored[n]);
    }
}

}  // namespace

void SaveFavoritesList(const std::vector<std::string>& entries, const TFileListSavePorts& ports,
                       const TRebuildFavoritesMenu& rebuildMenu) {
    TBulkWork work(ports);
    const std::vector<std::string> stored = StorableEntries(entries, ports.Files);
    ports.Ini.WriteIniInteger(FavoritesItemCount.Section, FavoritesItemCount.Name, static_cast<std::int32_t>(stored.size()));
    WriteFiles(FavoritesFile, stored, ports.Ini);
    if (rebuildMenu) rebuildMenu(stored);
}

void SaveAutoSaveList(const std::vector<std::string>& entries, const TFileListSavePorts& ports) {
    const std::vector<std::string> stored = StorableEntries(entries, ports.Files);
    ports.Ini.WriteIniInteger(AutoSaveFileCount.Section, AutoSaveFileCount.Name, static_cast<std::int32_t>(stored.size()));
    if (stored.empty()) return;
    TBulkWork work(ports);
    WriteFiles(AutoSaveFile, stored, ports.Ini);
}

}  // namespace wyndrel::dialogs
