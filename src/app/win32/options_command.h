// The main window's options command: the options dialog opened modally over the main window,
// at most one at a time, on the sheet stored as its last one.
#pragma once

#include "app/main_window.h"
#include "dialogs/option_sheets.h"
#include "layout/editor_path.h"
#include "platform/help_file.h"
#include "platform/start_with_windows.h"
#include "app/start_up.h"
#include "platform/timer.h"
#include "platform/win32/windows_header.h"
#include "settings/ini_access.h"

#include <functional>
#include <string>

namespace wyndrel::app::win32 {

class TOptionsCommand {
public:
    // `editorPath` is the program-wide editor path, replaced when the dialog is confirmed;
    // `form` is the main window that owns the dialog and lends it its title colours, and the
    // sheets' ports are made for each opening. Registers the options entries of the button,
    // the tray and the window menu in the form's command table.
    TOptionsCommand(const TPorts& ports, settings::TIniAccess& ini, layout::TEditorPath& editorPath,
                    THelpFiles helpFiles, IHelpViewer& help, TStartWithWindows& startWithWindows,
                    ITimer& autoSaveTimer, HWND mainWindow, TfrmWyndrel& form,
                    std::function<dialogs::TOptionSheetsPorts()> sheetPorts);

    // btnOptionsClick: opens the dialog on the sheet it was last closed on and returns once
    // it has closed. While it is open a second call only brings it forward.
    void Open();
    // The open dialog's window; nullptr while none is open.
    HWND DialogWindow() const { return FDialog; }

private:
    TPorts FPorts;
    settings::TIniAccess& FIni;
    layout::TEditorPath& FEditorPath;
    THelpFiles FHelpFiles;
    IHelpViewer& FHelp;
    TStartWithWindows& FStartWithWindows;
    ITimer& FAutoSaveTimer;
    HWND FMainWindow;
    TfrmWyndrel& FForm;
    std::function<dialogs::TOptionSheetsPorts()> FSheetPorts;
    HWND FDialog = nullptr;
    bool FOpen = false;
};

}  // namespace wyndrel::app::win32
