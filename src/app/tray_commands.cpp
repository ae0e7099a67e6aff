// The tray icon's handlers and the commands of its two menus.
#include "app/tray_commands.h"

#include "app/last_session.h"
#include "app/main_window_ids.h"
#include "app/tray_menu.h"

namespace wyndrel::app {
namespace {

// The modal windows that a tray click only brings forward.
constexpr const char* OptionsFormName = "dlgOption";
constexpr const char* EditorListFormName = "frmQuillonList";

}  // namespace

TTrayCommands::TTrayCommands(TTrayPorts ports, TTrayFiles files, widgets::TTaskTray& tray)
    : FPorts(ports), FFiles(std::move(files)), FMenu(TrayMenu()) {
    BuildFavoritesMenu();
    tray.OnMouseDown = [this](auto&, widgets::TMouseButton button, auto, int, int) {
        TskTrayMouseDown(button);
    };
    tray.OnDblClick = [this](auto&, widgets::TMouseButton button) { TskTrayDblClick(button); };
    RegisterCommands();
}

void TTrayCommands::RegisterCommands() {
    ui::TCommandTable& commands = FPorts.Form.Commands();
    commands.Add(ids::cmdTrayMenu, [this] { ShowTrayMenu(); });
    commands.AddRange(ids::pmBNormal, ids::pmBDelphi,
                      [this](int id) { pmBEachClick(FMenu.Item(id).Tag); });
    commands.AddRange(ids::FavoriteFirstId, ids::FavoriteLastId, [this](int id) {
        if (std::optional<std::string> path = FFavorites.PathOf(id)) FavoriteItemClick(*path);
    });
    commands.Add(ids::pmFav_Add, [this] { pmFav_AddClick(); });
    commands.Add(ids::pmHelp, [this] { pmHelpClick(); });
    commands.Add(ids::WindowMenuHelp, [this] { pmHelpClick(); });
}

// While the options dialog or the editor list is open, a tray click only brings it forward.
bool TTrayCommands::DialogCheck() {
    for (const ui::TOpenForm& form : FPorts.OpenForms.OpenForms()) {
        if (form.Name != OptionsFormName && form.Name != EditorListFormName) continue;
        FPorts.OpenForms.Focus(form.Window);
        return true;
    }
    return false;
}

void TTrayCommands::TskTrayMouseDown(widgets::TMouseButton button) {
    if (DialogCheck()) return;
    if (button == widgets::TMouseButton::mbRight) return ShowTrayMenu();
    if (button != widgets::TMouseButton::mbLeft) return;
    if (std::optional<int> chosen = FPorts.Form.TrackMenu(FFavorites.Model()))
        FPorts.Form.Commands().Dispatch(*chosen);
}

void TTrayCommands::TskTrayDblClick(widgets::TMouseButton button) {
    if (DialogCheck()) return;
    if (button == widgets::TMouseButton::mbLeft) FPorts.View.Show();
}

void TTrayCommands::ShowTrayMenu() {
    pupMenuPopup();
    if (std::optional<int> chosen = FPorts.Form.TrackMenu(FMenu))
        FPorts.Form.Commands().Dispatch(*chosen);
}

void TTrayCommands::pupMenuPopup() {
    TTrayMenuState state;
    state.WindowVisible = FPorts.View.Visible(ui::FormId);
    state.ApplicationMinimized = FPorts.Frame.ApplicationMinimized();
    state.TemporaryLayoutExists = FPorts.Files.FileExists(FFiles.TemporaryLayout);
    state.AutoSaveEnabled = FPorts.AutoSaveTimer.Enabled();
    state.MostTop = FPorts.Form.MostTop();
    state.HelpFileExists = HelpFileToShow(FFiles.Help, FPorts.Files).has_value();
    state.LastSessionListed =
        !FFiles.LastSession.empty() && LastSessionListed(FPorts.Files, FFiles.LastSession);
    ApplyTrayMenuState(FMenu, state);
}

void TTrayCommands::pmBEachClick(int tag) { FPorts.Editors.StartNewEditor(tag); }

void TTrayCommands::pmHelpClick() { ShowHelpContents(FFiles.Help, FPorts.Files, FPorts.Help); }

}  // namespace wyndrel::app
