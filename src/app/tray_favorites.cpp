// The favourites menu's commands: building it, opening a favourite and adding one.
#include "app/main_window_ids.h"
#include "app/tray_commands.h"
#include "dialogs/select_file_to_add.h"
#include "settings/setting_keys.h"
#include "settings/settings_writer.h"
#include "text/path_characters.h"

namespace wyndrel::app {
namespace {

constexpr const char* AddFavoriteTitle = "お気に入りに追加するファイルを参照";
constexpr const char* AlreadyFavoriteText = "すでに登録されている模様です";

std::string MissingFavoriteText(const std::string& path) {
    return "お気に入りに登録されたファイル\r\n" + path +
           "\r\nは存在しません。「設定」の「お気に入り」で存在チェックをしてください";
}

// The add entry stays disabled while the command runs, and comes back however it ends.
class TAddDisabled {
public:
    explicit TAddDisabled(TFavoritesMenu& menu) : FMenu(menu) { FMenu.SetAddEnabled(false); }
    ~TAddDisabled() { FMenu.SetAddEnabled(true); }
    TAddDisabled(const TAddDisabled&) = delete;
    TAddDisabled& operator=(const TAddDisabled&) = delete;

private:
    TFavoritesMenu& FMenu;
};

}  // namespace

void TTrayCommands::BuildFavoritesMenu() {
    settings::TSettingsFile settings = FPorts.Ini.SettingsFile();
    FFavorites.Build(settings);
}

// A path no file can have is no missing file: the launcher refuses it with its own box.
void TTrayCommands::FavoriteItemClick(const std::string& caption) {
    if (!text::CanBeWindowsPath(caption) || FPorts.Files.FileExists(caption)) {
        FPorts.Editors.OpenFileInEditor(caption);
        return;
    }
    FPorts.UserInterface.ShowMessageDialog(TDialogType::Warning, MissingFavoriteText(caption),
                                           TBoxButtons::Ok);
}

// The path is stored before the count, so a path the settings cannot hold leaves the
// stored list as it was instead of counting an entry that is not there.
void TTrayCommands::pmFav_AddClick() {
    using namespace settings::keys;
    std::string path;
    {
        TAddDisabled disabled(FFavorites);
        std::optional<std::string> chosen =
            dialogs::SelectFileToAdd(FPorts.UserInterface, FPorts.Files, FFiles.EditorPath.Path(),
                                     AddFavoriteTitle, FPorts.MainWindow);
        if (!chosen) return;
        path = *chosen;
        for (const std::string& favorite : FFavorites.Paths()) {
            if (favorite != path) continue;
            FPorts.UserInterface.ShowMessageDialog(TDialogType::Warning, AlreadyFavoriteText,
                                                   TBoxButtons::Ok);
            return;
        }
        const int index = FFavorites.Count();
        if (auto error = FPorts.Ini.WritePath(FavoritesFile, index, path)) {
            FPorts.UserInterface.ShowMessageDialog(TDialogType::Error, error->Message,
                                                   TBoxButtons::Ok);
            return;
        }
        // A count the file refuses is not kept: the menu has the entry until the program ends.
        settings::TSettingsWriter(FPorts.Ini, settings::TWriteFailure::Ignore)
            .Write(FavoritesItemCount, index + 1);
        FFavorites.Append(path);
    }
    FPorts.UserInterface.SetApplicationTitle(ProgramName);
    if (FPorts.Ini.Read(AddFavMenuOpen)) FPorts.Editors.OpenFileInEditor(path);
}

}  // namespace wyndrel::app
