// The file-list sheets: events from the buttons and the list box go to the list editor, and
// the list box shows the editor's entries and selection after each of them.
#include "dialogs/file_list_sheet.h"

#include "dialogs/option_sheet_ids.h"

namespace wyndrel::dialogs {

using namespace option_ids;

const TFileListSheetIds FavoritesSheetIds{lbFavorites, txtFavPre,       btnFav_Clear,
                                          btnFav_Add,  btnFav_Del,      btnFav_Up,
                                          btnFav_Down, btnFav_ExistChk, btnFav_Save};
const TFileListSheetIds AutoSaveListSheetIds{lbAutoSave, txtASPre,        btnAS_Clear,
                                             btnAS_Add,  btnAS_Del,       btnAS_Up,
                                             btnAS_Down, btnAS_ExistsChk, btnAS_Save};

TFileListSheet::TFileListSheet(ui::IView& view, const TFileListSheetIds& ids,
                               const TFileListTexts& texts, TFileListPorts ports,
                               std::function<bool(const std::vector<std::string>&)> save,
                               std::function<void(bool)> changed)
    : FView(view),
      FIds(ids),
      FEditor(texts, std::move(ports)),
      FSave(std::move(save)),
      FChanged(std::move(changed)) {}

void TFileListSheet::Load(std::vector<std::string> entries) {
    FEditor.Load(std::move(entries));
    ShowList();
}

bool TFileListSheet::Save() {
    if (!FSave(FEditor.Entries())) return false;
    if (FChanged) FChanged(false);
    return true;
}

bool TFileListSheet::OnControl(const ui::TControlEvent& event) {
    const int id = event.Id;
    if (id == FIds.List) {
        if (event.Kind == ui::TControlEventKind::SelectionChange ||
            event.Kind == ui::TControlEventKind::Click)
            ShowSelected();
        return true;
    }
    if (event.Kind != ui::TControlEventKind::Click) return false;
    if (id == FIds.Clear)
        Edit([this] { FEditor.Clear(); });
    else if (id == FIds.Add)
        Edit([this] { FEditor.Add(); });
    else if (id == FIds.Del)
        Edit([this] { FEditor.RemoveSelected(); });
    else if (id == FIds.Up)
        Edit([this] { FEditor.MoveUp(); });
    else if (id == FIds.Down)
        Edit([this] { FEditor.MoveDown(); });
    else if (id == FIds.ExistChk)
        Edit([this] { FEditor.CheckExistence(); });
    else if (id == FIds.Save)
        Save();
    else
        return false;
    return true;
}

bool TFileListSheet::OnDropQuery(int id, std::vector<std::string>& paths, bool& accept) {
    if (id != FIds.List) return false;
    accept = false;
    Edit([&] { FEditor.Drop(paths); });
    return true;
}

void TFileListSheet::ShowList() {
    FView.SetItems(FIds.List, FEditor.Entries());
    FView.SetSelection(FIds.List, FEditor.Selection());
}

void TFileListSheet::ShowSelected() {
    FEditor.Select(FView.Selection(FIds.List));
    if (FEditor.Selection() < 0) return;
    FView.SetText(FIds.Preview, FEditor.Entries()[static_cast<std::size_t>(FEditor.Selection())]);
    // The end of a long path is the part that tells the entries apart.
    FView.SetCaret(FIds.Preview, std::string::npos);
}

void TFileListSheet::Edit(const std::function<void()>& operation) {
    FEditor.Select(FView.Selection(FIds.List));
    operation();
    ShowList();
    if (!FEditor.Changed()) return;
    FEditor.ClearChanged();
    if (FChanged) FChanged(true);
}

}  // namespace wyndrel::dialogs
