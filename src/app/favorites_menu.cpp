// The favourites menu's model, rebuilt from the list of paths whenever the list changes.
#include "app/favorites_menu.h"

#include "app/main_window_ids.h"
#include "settings/setting_keys.h"

#include <algorithm>

namespace wyndrel::app {

TFavoritesMenu::TFavoritesMenu() { Rebuild(); }

void TFavoritesMenu::Build(settings::TSettingsFile& settings) {
    using namespace settings::keys;
    // Each entry needs a menu id of its own.
    constexpr std::int32_t MenuCapacity = ids::FavoriteLastId - ids::FavoriteFirstId + 1;
    const std::int32_t count =
        std::min(FavoritesToRead(settings.Read(FavoritesItemCount)), MenuCapacity);
    std::vector<std::string> paths;
    for (std::int32_t index = 0; index < count; ++index)
        paths.push_back(settings.Read(FavoritesFile, index));
    Replace(paths);
}

void TFavoritesMenu::Replace(const std::vector<std::string>& paths) {
    FFavItems = paths;
    Rebuild();
}

void TFavoritesMenu::Append(const std::string& path) {
    FFavItems.push_back(path);
    Rebuild();
}

std::optional<std::string> TFavoritesMenu::PathOf(int id) const {
    const int index = id - ids::FavoriteFirstId;
    if (index < 0 || index >= Count()) return std::nullopt;
    return FFavItems[static_cast<std::size_t>(index)];
}

void TFavoritesMenu::SetAddEnabled(bool enabled) {
    FAddEnabled = enabled;
    FModel.Item(ids::pmFav_Add).Enabled = enabled;
}

void TFavoritesMenu::Rebuild() {
    using ui::TMenuItem;
    std::vector<TMenuItem> items{
        TMenuItem::Command(ids::pmFav_Add, "pmFav_Add", "お気に入りを追加する(&A)"),
        TMenuItem::Line(),
        TMenuItem::Command(ids::pmF_None, "pmF_None", "(お気に入りはありません)")};
    items[0].Enabled = FAddEnabled;
    items[2].Enabled = false;
    items[2].Visible = FFavItems.empty();
    for (std::size_t index = 0; index < FFavItems.size(); ++index) {
        TMenuItem entry = TMenuItem::Command(ids::FavoriteFirstId + static_cast<int>(index), {},
                                             FFavItems[index]);
        entry.Literal = true;
        items.push_back(std::move(entry));
    }
    FModel = ui::TMenuModel(std::move(items));
}

}  // namespace wyndrel::app
