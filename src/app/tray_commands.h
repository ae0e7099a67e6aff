// The tray icon's commands: the tray menu (right button, and the bar's right click), the
// favourites menu (left button), showing the window (left double click), new documents,
// opening and adding favourites, and the options, About and help entries.
#pragma once

#include "app/favorites_menu.h"
#include "app/main_window.h"
#include "platform/help_viewer.h"
#include "platform/user_interface.h"
#include "ui/open_forms.h"

#include <functional>
#include <string>

namespace wyndrel::app {

struct TTrayPorts {
    TfrmWyndrel& Form;
    ui::IView& View;
    IMainWindowFrame& Frame;
    IFiles& Files;
    settings::TIniAccess& Ini;
    IUserInterface& UserInterface;
    ITimer& AutoSaveTimer;
    ui::IOpenForms& OpenForms;
    IHelpViewer& Help;
    WindowId MainWindow;  // owns the file-selection dialog
};

// What the tray's entries start beyond the main window's own handlers; an empty slot does
// nothing.
struct TTrayHandlers {
    std::function<void(int type)> StartNewEditor;
    std::function<void(const std::string& path)> OpenFileInEditor;
    std::function<void()> pmPutInOrderClick, pmASEnableClick, pmASetIntervalClick, pmASaveNowClick,
        pmAEditListClick, pmAOptionClick;
};

struct TTrayFiles {
    std::string HelpFile;         // the program's path with ".hlp"
    std::string TemporaryLayout;  // the scatter's snapshot beside the program
    const std::string* EditorPath = nullptr;  // the editor in use, read at each use
};

class TTrayCommands {
public:
    TTrayCommands(TTrayPorts ports, TTrayHandlers handlers, TTrayFiles files, widgets::TTaskTray& tray);

    void TskTrayMouseDown(widgets::TMouseButton button);
    void TskTrayDblClick(widgets::TMouseButton button);
    // The tray menu at `at` (the bar's right click shows it too).
    void ShowTrayMenu();
    void OnTrayCommand(int id);
    void OnFavoritesCommand(int id);

    // Building the favourites menu at the main window's creation.
    void BuildFavoritesMenu();
    // The options dialog saved a new favourites list.
    void ReplaceFavorites(const std::vector<std::string>& paths) { FFavorites.Replace(paths); }
    void pmBEachClick(int tag);
    void FavoriteItemClick(const std::string& caption);
    void pmFav_AddClick();
    void pmHelpClick();

    const ui::TMenuModel& TrayMenuModel() const { return FMenu; }
    const TFavoritesMenu& Favorites() const { return FFavorites; }

private:
    bool DialogCheck();
    void pupMenuPopup();
    // btnOptionsClick from the menu: the entry is disabled while the dialog is open.
    void RunDisabled(int id, const std::function<void()>& command);
    void Call(const std::function<void()>& handler);
    void CallUngated(const std::function<void()>& handler);

    TTrayPorts FPorts;
    TTrayHandlers FHandlers;
    TTrayFiles FFiles;
    ui::TMenuModel FMenu;
    TFavoritesMenu FFavorites;
};

}  // namespace wyndrel::app
