// The settings writer of the options dialog and its lists: a write the file refuses is told
// in the program's error box, and the step that wrote stops.
#pragma once

#include "platform/user_interface.h"
#include "settings/settings_writer.h"

namespace wyndrel::dialogs {

inline settings::TSettingsWriter ReportingWriter(settings::TIniAccess& ini, IUserInterface& ui) {
    return settings::TSettingsWriter(
        ini, settings::TWriteFailure::Report, [&ui](const std::string& text) {
            ui.ShowMessageDialog(TDialogType::Error, text, TBoxButtons::Ok);
        });
}

}  // namespace wyndrel::dialogs
