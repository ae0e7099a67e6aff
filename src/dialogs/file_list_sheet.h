// The presenter of a file-list sheet of the options dialog ("お気に入り", "自動保存1"): its
// list box, the box that shows the selected path whole, and the seven buttons.
#pragma once

#include "dialogs/file_list_editor.h"
#include "ui/view.h"

#include <functional>
#include <string>
#include <vector>

namespace wyndrel::dialogs {

struct TFileListSheetIds {
    int List, Preview, Clear, Add, Del, Up, Down, ExistChk, Save;
};

extern const TFileListSheetIds FavoritesSheetIds;
extern const TFileListSheetIds AutoSaveListSheetIds;

class TFileListSheet {
public:
    // `save` stores the entries, false when the settings file refused them; `changed` hears
    // every change of the list (true) and every save that stored it (false), so the dialog's
    // changed flag follows both.
    TFileListSheet(ui::IView& view, const TFileListSheetIds& ids, const TFileListTexts& texts,
                   TFileListPorts ports, std::function<bool(const std::vector<std::string>&)> save,
                   std::function<void(bool)> changed);

    // The stored list, nothing selected.
    void Load(std::vector<std::string> entries);
    const std::vector<std::string>& Entries() const { return FEditor.Entries(); }
    // Stores the list as it stands, the sheet's own button and OK's question alike; false
    // when it was not stored, and the list still counts as changed.
    bool Save();

    // True when the event was one of this sheet's.
    bool OnControl(const ui::TControlEvent& event);
    // Files dropped on the list: the list adds them itself, by its own rules, so the list
    // box's own adding is refused.
    bool OnDropQuery(int id, std::vector<std::string>& paths, bool& accept);

private:
    void ShowList();
    void ShowSelected();
    // Runs an operation of the editor and shows its outcome.
    void Edit(const std::function<void()>& operation);

    ui::IView& FView;
    const TFileListSheetIds& FIds;
    TFileListEditor FEditor;
    std::function<bool(const std::vector<std::string>&)> FSave;
    std::function<void(bool)> FChanged;
};

}  // namespace wyndrel::dialogs
