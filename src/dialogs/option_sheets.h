// The options dialog's sheets "保存時", "お気に入り", "自動保存1" and "自動保存2" together: their
// presenters, the ports they need beside the dialog's, and the values they show and give back.
#pragma once

#include "dialogs/file_list_save.h"
#include "dialogs/file_list_sheet.h"
#include "dialogs/option_auto_save_sheet.h"
#include "dialogs/option_save_sheet.h"
#include "layout/editor_path.h"

#include <functional>
#include <string>
#include <vector>

namespace wyndrel::dialogs {

struct TOptionSheetsPorts {
    TSaveSheetPorts Save;
    TFileListPorts Lists;  // its file-selection dialog serves both lists
    TFileListSavePorts Store;
    TRebuildFavoritesMenu RebuildFavoritesMenu;
    const layout::TEditorPath& EditorPath;  // the program-wide one, for the method detection
};

// What the four sheets show, as the settings hold it.
struct TOptionSheetValues {
    bool UseDefFileName = false;
    std::string FileDef;
    std::vector<std::string> Favorites;
    std::vector<std::string> AutoSaveFiles;
    TAutoSaveSettings AutoSave;
};

class TOptionSheets {
public:
    // `favoritesChanged` and `autoSaveChanged` hear every change of either list (true) and
    // every save of it (false).
    TOptionSheets(ui::IView& view, TOptionSheetsPorts ports,
                  std::function<void(bool)> favoritesChanged,
                  std::function<void(bool)> autoSaveChanged);

    // At the dialog's creation.
    void Prepare() { FSave.Prepare(); }
    void Load(const TOptionSheetValues& values);
    TOptionSheetValues Values() const;

    // The lists' saves, as their buttons and OK's questions run them; false when not stored.
    bool SaveFavorites() { return FFavorites.Save(); }
    bool SaveAutoSaveList() { return FAutoSaveList.Save(); }

    // True when the event was one of these sheets'.
    bool OnControl(const ui::TControlEvent& event);
    bool OnDropQuery(int id, std::vector<std::string>& paths, bool& accept);
    // The detached arrows of the interval; false: their own change is refused.
    bool OnIntervalArrows(int position, int requestedPosition) {
        return FAutoSave.OnIntervalArrows(position, requestedPosition);
    }

private:
    TOptionSheetsPorts FPorts;
    TOptionSaveSheet FSave;
    TFileListSheet FFavorites;
    TFileListSheet FAutoSaveList;
    TOptionAutoSaveSheet FAutoSave;
};

}  // namespace wyndrel::dialogs
