// Command mode: one layout saved or restored, with or without a file dialog, then the end.
#pragma once

#include "app/command_line.h"
#include "app/start_up.h"
#include "settings/ini_access.h"

namespace wyndrel::app {

inline constexpr const char* LayoutFileFilter =
    "Quillonデスクトップレイアウト(*.qdl)|*.qdl|全てのファイル(*.*)|*.*";

// The layout file dialogs without a proposed file.
TFileDialog LayoutOpenDialog();
TFileDialog LayoutSaveDialog();

// The save dialog of command mode, with the proposed name, in the user's date and time
// formats, when the settings ask for one.
TFileDialog CommandLineSaveDialog(settings::TIniAccess& ini, IClock& clock,
                                  IRegionalSettings& regional);
TFileDialog CommandLineOpenDialog();

TExitCode RunCommand(const TPorts& ports, settings::TIniAccess& ini, const std::string& editorPath,
                     const TCommand& command);

}  // namespace wyndrel::app
