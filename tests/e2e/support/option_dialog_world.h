// The options dialog's ports over settings, files, a timer, the help and the Run value in
// memory, as the tests that open the dialog on real controls give them.
#pragma once

#include "dialogs/option_dialog.h"
#include "fakes/fake_files.h"
#include "fakes/fake_open_forms.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_user_interface.h"
#include "fakes/fake_user_registry.h"
#include "layout/editor_path.h"
#include "platform/start_with_windows.h"
#include "settings/ini_access.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

// The dialog's owner stands at 100,100 on a 1024x768 screen; no editor is found.
struct TOptionDialogWorld {
    explicit TOptionDialogWorld(const char* editor) : EditorPath{editor} {}

    wyndrel::dialogs::TOptionPorts Ports(
        std::optional<wyndrel::dialogs::TOptionSheetsPorts> sheets = std::nullopt) {
        return {Ini,
                Ui,
                Files,
                Timer,
                EditorPath,
                wyndrel::THelpFiles::Beside("C:\\Tools\\wyndrel.exe"),
                [] {
                    return std::optional<wyndrel::Rect>(wyndrel::Rect{100, 100, 244, 219});
                },
                [] {
                    return std::vector<wyndrel::TMonitor>{{{0, 0, 1024, 768}, {0, 0, 1024, 738}}};
                },
                {},
                {},
                [] { return std::string(); },
                Help,
                StartWithWindows,
                std::move(sheets)};
    }

    wyndrel::fakes::TFakeFiles Files;
    wyndrel::fakes::TFakeUserInterface Ui;
    wyndrel::fakes::TFakeTimer Timer;
    wyndrel::fakes::TFakeHelpViewer Help;
    wyndrel::fakes::TFakeUserRegistry Registry;
    wyndrel::TStartWithWindows StartWithWindows{Registry, "C:\\Tools\\wyndrel.exe"};
    wyndrel::settings::TIniAccess Ini{Files};
    wyndrel::layout::TEditorPath EditorPath;
};

}  // namespace e2e
