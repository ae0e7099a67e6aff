// Closing, exit state and dropped files of the main window.
#include "app/main_window_rules.h"

#include "platform/silent_abort.h"
#include "settings/setting_keys.h"
#include "settings/settings_writer.h"

namespace wyndrel::app {

TCloseAnswer CloseQuery(bool quitRequested, bool closeNoExit, bool windowVisible) {
    if (quitRequested || !closeNoExit) return TCloseAnswer::Close;
    return windowVisible ? TCloseAnswer::HideInstead : TCloseAnswer::Quit;
}

void WriteExitState(settings::TIniAccess& ini, Point position, TViewMode mode,
                    bool autoSaveEnabled) {
    using namespace settings::keys;
    settings::TSettingsWriter writer(ini, settings::TWriteFailure::Ignore);
    writer.Write(Left, position.X);
    writer.Write(Top, position.Y);
    writer.Write(LastWindowMode, static_cast<std::int32_t>(mode));
    writer.Write(AutoSaveLastEnable, autoSaveEnabled);
}

int RestoreDroppedFiles(const std::vector<std::string>& paths,
                        const std::function<void(const std::string&)>& loadLayout) {
    int started = 0;
    for (const std::string& path : paths) {
        if (path.empty()) continue;
        ++started;
        try {
            loadLayout(path);
        } catch (const ESilentAbort&) {
            break;
        }
    }
    return started;
}

}  // namespace wyndrel::app
