// The tray icon's handlers and the commands of its two menus.
#include "app/tray_commands.h"

#include "app/main_window_ids.h"
#include "app/tray_menu.h"

namespace wyndrel::app {
namespace {

// The modal windows that a tray click only brings forward.
constexpr const char* OptionsFormName = "dlgOption";
constexpr const char* EditorListFormName = "frmQuillonList";

}  // namespace

TTrayCommands::TTrayCommands(TTrayPorts ports, TTrayHandlers handlers, TTrayFiles files, widgets::TTaskTray& tray)
    : FPorts(ports), FHandlers(std::move(handlers)), FFiles(std::move(files)), FMenu(TrayMenu()) {
    tray.OnMouseDown = [this](auto&, widgets::TMouseButton button, auto, int, int) { TskTrayMouseDown(button); };
    tray.OnDblClick = [this](auto&, widgets::TMouseButton button) { TskTrayDblClick(button); };
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
    if (std::optional<int> chosen = FPorts.Form.TrackMenu(FFavorites.Model())) OnFavoritesCommand(*chosen);
}

void TTrayCommands::TskTrayDblClick(widgets::TMouseButton button) {
    if (DialogCheck()) return;
    if (button == widgets::TMouseButton::mbLeft) FPorts.View.Show();
}

void TTrayCommands::ShowTrayMenu() {
    pupMenuPopup();
    if (std::optional<int> chosen = FPorts.Form.TrackMenu(FMenu)) OnTrayCommand(*chosen);
}

void TTrayCommands::pupMenuPopup() {
    TTrayMenuState state;
    state.WindowVisible = FPorts.View.Visible(ui::FormId);
    state.ApplicationMinimized = FPorts.Frame.ApplicationMinimized();
    state.TemporaryLayoutExists = FPorts.Files.FileExists(FFiles.TemporaryLayout);
    state.AutoSaveEnabled = FPorts.AutoSaveTimer.Enabled();
    state.MostTop = FPorts.Form.MostTop();
    state.HelpFileExists = FPorts.Files.FileExists(FFiles.HelpFile);
    ApplyTrayMenuState(FMenu, state);
}

void TTrayCommands::Call(const std::function<void()>& handler) { FPorts.Form.Run(handler); }

// The layout commands take the window's gate themselves.
void TTrayCommands::CallUngated(const std::function<void()>& handler) {
    if (handler) handler();
}

void TTrayCommands::OnTrayCommand(int id) {
    TfrmWyndrel& form = FPorts.Form;
    const TMainWindowHandlers& main = form.Handlers();
    if (id >= ids::pmBNormal && id <= ids::pmBDelphi) {
        const int tag = FMenu.Item(id).Tag;
        return Call([this, tag] { pmBEachClick(tag); });
    }
    switch (id) {
        case ids::pmVNorm: form.ChooseViewMode(TViewMode::Normal); break;
        case ids::pmVHorz: form.ChooseViewMode(TViewMode::Horizontal); break;
        case ids::pmVVert: form.ChooseViewMode(TViewMode::Vertical); break;
        case ids::pmVIcon: form.ChooseIconMode(); break;
        case ids::pmVMostTop: form.SetMostTop(!form.MostTop()); break;
        case ids::pmMinimize: form.ToggleMinimized(); break;
        case ids::pmASEnable: Call(FHandlers.pmASEnableClick); break;
        case ids::pmASetInterval: Call(FHandlers.pmASetIntervalClick); break;
        case ids::pmASaveNow: Call(FHandlers.pmASaveNowClick); break;
        case ids::pmAEditList: Call(FHandlers.pmAEditListClick); break;
        case ids::pmAOption: Call(FHandlers.pmAOptionClick); break;
        case ids::pmShowWindow: form.ToggleVisible(); break;
        case ids::pmOption: RunDisabled(ids::pmOption, main.Options); break;
        case ids::pmAbout: Call(main.About); break;
        case ids::pmSituate: CallUngated(main.Situate); break;
        case ids::pmScatter: Call(main.Scatter); break;
        case ids::pmPutInOrder: Call(FHandlers.pmPutInOrderClick); break;
        case ids::pmOpen: CallUngated(main.Read); break;
        case ids::pmSave: CallUngated(main.Save); break;
        case ids::pmHelp: pmHelpClick(); break;
        case ids::pmQuit: FPorts.Frame.Quit(); break;
        default: break;
    }
}

void TTrayCommands::RunDisabled(int id, const std::function<void()>& command) {
    if (!command) return;
    FMenu.Item(id).Enabled = false;
    try {
        Call(command);
    } catch (...) {
        FMenu.Item(id).Enabled = true;
        throw;
    }
    FMenu.Item(id).Enabled = true;
}

void TTrayCommands::OnFavoritesCommand(int id) {
    if (id == ids::pmFav_Add) return Call([this] { pmFav_AddClick(); });
    if (std::optional<std::string> path = FFavorites.PathOf(id)) Call([this, path] { FavoriteItemClick(*path); });
}

void TTrayCommands::pmBEachClick(int tag) {
    if (FHandlers.StartNewEditor) FHandlers.StartNewEditor(tag);
}

void TTrayCommands::pmHelpClick() { FPorts.Help.ShowHelpContents(FFiles.HelpFile); }

}  // namespace wyndrel::app
