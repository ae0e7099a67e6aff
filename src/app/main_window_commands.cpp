// Which main-window commands run at once, wait their turn, or are not available meanwhile.
#include "app/main_window_commands.h"

#include "app/main_window_ids.h"

namespace wyndrel::app {

std::optional<ui::TWhileBusy> MainWindowCommandRule(int id) {
    using enum ui::TWhileBusy;
    using namespace ids;
    if (id >= pmBNormal && id <= pmBDelphi) return NotAvailable;
    if (id >= FavoriteFirstId && id <= FavoriteLastId) return NotAvailable;
    switch (id) {
        // Shapes, most-top, minimising, showing and the auto-save switch change only the
        // program's own state.
        case btnChangeView:
        case mpCVNrml:
        case mpCVHorz:
        case mpCVVert:
        case mpCVIcon:
        case pmVNorm:
        case pmVHorz:
        case pmVVert:
        case pmVIcon:
        case pmVMostTop:
        case pmMinimize:
        case pmShowWindow:
        case pmASEnable:
        case WindowMenuMostTop:
        case cmdTrayMenu:
        // The last session's capture is silent and quick; at the session's end it cannot wait.
        case cmdKeepLastSession:
        case cmdKeepLastSessionAtEnd:
        // Only restarts the wait for the displays to settle.
        case cmdDisplayChanged:
            return RunsAtOnce;
        // Kept for the moment the running command ends: a tick becomes one pass after it,
        // dropped files are restored after it, a quit or close ends the program after it.
        case btnClose:
        case pmQuit:
        case cmdAutoSaveTick:
        case cmdDropFiles:
        case cmdCloseRequest:
        case cmdOfferLastSession:
        // Editors stranded by a display change are moved once the running command has ended.
        case cmdDisplaySettled:
            return WaitsItsTurn;
        // Everything that opens a window, starts editors or moves them.
        case btnRead:
        case btnSave:
        case btnSituate:
        case btnOption:
        case btnReadEnd:
        case btnSaveEnd:
        case pmASetInterval:
        case pmASaveNow:
        case pmAEditList:
        case pmAOption:
        case pmOption:
        case pmAbout:
        case pmSituate:
        case pmScatter:
        case pmPutInOrder:
        case pmOpen:
        case pmSave:
        case pmLastSession:
        case pmHelp:
        case pmFav_Add:
        case WindowMenuOptions:
        case WindowMenuAbout:
        case WindowMenuScatter:
        case WindowMenuHelp:
            return NotAvailable;
        default:
            return std::nullopt;
    }
}

}  // namespace wyndrel::app
