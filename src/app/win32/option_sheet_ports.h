// What the options dialog's sheets "保存時" … "自動保存2" need of the resident program: the
// clock and regional settings for the preview, the mouse cursor for the insert menu, the
// file-selection dialog for the lists, the process priority and the favourites menu.
#pragma once

#include "app/start_up.h"
#include "dialogs/option_sheets.h"
#include "layout/editor_path.h"
#include "platform/resident_process.h"
#include "settings/ini_access.h"

#include <functional>
#include <string>

namespace wyndrel::app::win32 {

// `editorPath` is the one in use, read when a file is chosen; `dialog` gives the open options
// dialog, which owns the file-selection dialog.
dialogs::TOptionSheetsPorts OptionSheetPorts(const TPorts& ports, IResidentProcess& process,
                                             settings::TIniAccess& ini,
                                             const layout::TEditorPath& editorPath,
                                             std::function<WindowId()> dialog,
                                             dialogs::TRebuildFavoritesMenu rebuildFavoritesMenu);

}  // namespace wyndrel::app::win32
