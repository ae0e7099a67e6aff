// The favourites menu pmFavorites: its three fixed entries and one entry per favourite file,
// whose caption is the file's path exactly as stored ("&" included) and is what it opens.
#pragma once

#include "settings/settings_file.h"
#include "ui/menu_model.h"

#include <optional>
#include <string>
#include <vector>

namespace wyndrel::app {

class TFavoritesMenu {
public:
    TFavoritesMenu();

    // The favourites as section Favorites holds them: ItemCount entries, File<n> each (an
    // entry with an empty caption where a key is missing).
    void Build(settings::TSettingsFile& settings);
    // The list as it stands now, in order (the options dialog saves a new one this way).
    void Replace(const std::vector<std::string>& paths);
    void Append(const std::string& path);

    // FFavCount and the entries' captions (FavItems) in menu order.
    int Count() const { return static_cast<int>(FFavItems.size()); }
    const std::vector<std::string>& Paths() const { return FFavItems; }
    // The path of the favourite entry `id`; none for any other entry.
    std::optional<std::string> PathOf(int id) const;

    void SetAddEnabled(bool enabled);
    const ui::TMenuModel& Model() const { return FModel; }

private:
    void Rebuild();

    std::vector<std::string> FFavItems;
    bool FAddEnabled = true;
    ui::TMenuModel FModel;
};

}  // namespace wyndrel::app
