// Events go to the sheet that owns the control; the favourites save also rebuilds the main
// window's favourites menu, so both show the same list at once.
#include "dialogs/option_sheets.h"

namespace wyndrel::dialogs {

TOptionSheets::TOptionSheets(ui::IView& view, TOptionSheetsPorts ports,
                             std::function<void(bool)> favoritesChanged,
                             std::function<void(bool)> autoSaveChanged)
    : FPorts(std::move(ports)),
      FSave(view, FPorts.Save),
      FFavorites(
          view, FavoritesSheetIds, FavoritesListTexts(), FPorts.Lists,
          [this](const std::vector<std::string>& entries) {
              return SaveFavoritesList(entries, FPorts.Store, FPorts.RebuildFavoritesMenu);
          },
          std::move(favoritesChanged)),
      FAutoSaveList(
          view, AutoSaveListSheetIds, AutoSaveListTexts(), FPorts.Lists,
          [this](const std::vector<std::string>& entries) {
              return dialogs::SaveAutoSaveList(entries, FPorts.Store);
          },
          std::move(autoSaveChanged)),
      FAutoSave(view, FPorts.Lists.Files, FPorts.Lists.Ui) {}

void TOptionSheets::Load(const TOptionSheetValues& values) {
    FSave.Load(values.UseDefFileName, values.FileDef);
    FFavorites.Load(values.Favorites);
    FAutoSaveList.Load(values.AutoSaveFiles);
    FAutoSave.Load(values.AutoSave);
}

TOptionSheetValues TOptionSheets::Values() const {
    return TOptionSheetValues{FSave.UseDefFileName(), FSave.Definition(), FFavorites.Entries(),
                              FAutoSaveList.Entries(), FAutoSave.Settings()};
}

bool TOptionSheets::OnControl(const ui::TControlEvent& event) {
    return FSave.OnControl(event) || FFavorites.OnControl(event) ||
           FAutoSaveList.OnControl(event) || FAutoSave.OnControl(event, FPorts.EditorPath.Path());
}

bool TOptionSheets::OnDropQuery(int id, std::vector<std::string>& paths, bool& accept) {
    return FFavorites.OnDropQuery(id, paths, accept) ||
           FAutoSaveList.OnDropQuery(id, paths, accept);
}

}  // namespace wyndrel::dialogs
