// The main window's layout commands on Win32: the five layout buttons reach
// TLayoutFileCommands under the window's gate, the running-editors list opens modally over
// the window, and the program's activations go through one replaceable handler.
#pragma once

#include "app/layout_file_commands.h"
#include "app/main_window.h"
#include "app/win32/main_window_view.h"
#include "platform/win32/win32_user_interface.h"
#include "ui/app_activation.h"

#include <memory>

namespace wyndrel::app::win32 {

class TLayoutCommandsWiring {
public:
    // `dialogPort` is the adapter behind `ports.UserInterface` when the program's file
    // dialogs and boxes are to be owned by the main window; may be null.
    TLayoutCommandsWiring(const TPorts& ports, settings::TIniAccess& ini, layout::TLayoutEngine& engine,
                          wyndrel::win32::TWin32UserInterface* dialogPort);
    ~TLayoutCommandsWiring();
    TLayoutCommandsWiring(const TLayoutCommandsWiring&) = delete;
    TLayoutCommandsWiring& operator=(const TLayoutCommandsWiring&) = delete;

    // Fills the window's slots for Read, Save, Situate, ReadAndClose and SaveAndClose.
    void FillHandlers(TMainWindowHandlers& handlers);
    // Once the window and its presenter exist: the commands take the window's gate, and the
    // program's activations reach the presenter until another window installs its handler.
    void Attach(TMainWindowView& window, TfrmWyndrel& form);
    // The same commands for the tray menu's entries; valid after Attach.
    TLayoutFileCommands& Commands() { return *FCommands; }

private:
    void ShowEditorList();
    void RequestClose();

    TPorts FPorts;
    settings::TIniAccess& FIni;
    layout::TLayoutEngine& FEngine;
    wyndrel::win32::TWin32UserInterface* FDialogPort;
    ui::TAppActivation FActivation;
    HWND FWindow = nullptr;
    std::unique_ptr<TLayoutFileCommands> FCommands;
};

}  // namespace wyndrel::app::win32
