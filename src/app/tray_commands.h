// The tray icon's commands: the tray menu (right button, and the bar's right click), the
// favourites menu (left button), showing the window (left double click), new documents,
// opening and adding favourites, and the options, About and help entries.
#pragma once

#include "app/favorites_menu.h"
#include "app/main_window.h"
#include "layout/editor_launcher.h"
#include "platform/help_file.h"
#include "platform/user_interface.h"
#include "ui/open_forms.h"

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
    layout::IEditorStarter& Editors;
    WindowId MainWindow;  // owns the file-selection dialog
};

struct TTrayFiles {
    THelpFiles Help;                        // the WinHelp file and the manual beside the program
    std::string TemporaryLayout;            // the scatter's snapshot beside the program
    const layout::TEditorPath& EditorPath;  // the editor in use, read at each use
    std::string LastSession;                // the last session's layout file
};

class TTrayCommands {
public:
    // Builds the favourites menu from the settings, takes the tray icon's clicks, and
    // registers the tray's own entries (new documents, favourites, help, the tray menu the
    // gradient bar asks for) in the main window's command table.
    TTrayCommands(TTrayPorts ports, TTrayFiles files, widgets::TTaskTray& tray);

    void TskTrayMouseDown(widgets::TMouseButton button);
    void TskTrayDblClick(widgets::TMouseButton button);
    // The tray menu at the cursor (the bar's right click shows it too); the chosen entry's
    // command goes to the main window's command table.
    void ShowTrayMenu();

    // The favourites menu from the settings as they are now.
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
    void RegisterCommands();
    bool DialogCheck();
    void pupMenuPopup();

    TTrayPorts FPorts;
    TTrayFiles FFiles;
    ui::TMenuModel FMenu;
    TFavoritesMenu FFavorites;
};

}  // namespace wyndrel::app
