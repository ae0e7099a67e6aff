// The layout engine on the real Win32 adapters, starting the editor double beside the tests.
#pragma once

#include "layout/editor_launcher.h"
#include "layout/layout_engine.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_user_interface.h"

namespace e2e {

struct TWin32Engine {
    TWin32Engine();
    TWin32Engine(const TWin32Engine&) = delete;
    TWin32Engine& operator=(const TWin32Engine&) = delete;

    wyndrel::win32::TWin32Desktop Desktop;
    wyndrel::win32::TWin32Files Files;
    wyndrel::win32::TWin32Processes Processes;
    wyndrel::win32::TWin32UserInterface Ui;
    wyndrel::layout::TLayoutEngine Engine{Desktop};
    wyndrel::layout::TEditorPath EditorPath;  // the editor double beside the tests
    wyndrel::layout::TEditorLauncher Launcher{Engine, EditorPath, Processes, Ui};
};

}  // namespace e2e
