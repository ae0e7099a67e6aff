// The main window's options command: the options dialog opened modally over the main window,
// at most one at a time, on the sheet stored as its last one.
#pragma once

#include "app/main_window.h"
#include "dialogs/option_sheets.h"
#include "app/start_up.h"
#include "platform/timer.h"
#include "platform/win32/windows_header.h"
#include "settings/ini_access.h"

#include <string>

namespace wyndrel::app::win32 {

class TOptionsCommand {
public:
    // `editorPath` is the program-wide editor path, replaced when the dialog is confirmed.
    TOptionsCommand(const TPorts& ports, settings::TIniAccess& ini, std::string& editorPath, std::string helpFileName,
                    ITimer& autoSaveTimer)
        : FPorts(ports), FIni(ini), FEditorPath(editorPath), FHelpFileName(std::move(helpFileName)),
          FAutoSaveTimer(autoSaveTimer) {}

    // The main window that owns the dialog and lends it its title colours.
    void Attach(HWND mainWindow, TfrmWyndrel& form) {
        FMainWindow = mainWindow;
        FForm = &form;
    }

    // btnOptionsClick: opens the dialog on the sheet it was last closed on and returns once
    // it has closed. While it is open a second call only brings it forward.
    void Open();
    // The open dialog's window; nullptr while none is open.
    HWND DialogWindow() const { return FDialog; }
    // What the sheets "保存時" … "自動保存2" need, made for each opening.
    std::function<dialogs::TOptionSheetsPorts()> SheetPorts;

private:
    TPorts FPorts;
    settings::TIniAccess& FIni;
    std::string& FEditorPath;
    std::string FHelpFileName;
    ITimer& FAutoSaveTimer;
    HWND FMainWindow = nullptr;
    TfrmWyndrel* FForm = nullptr;
    HWND FDialog = nullptr;
    bool FOpen = false;
};

}  // namespace wyndrel::app::win32
