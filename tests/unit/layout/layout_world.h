// The in-memory platform wired together for the layout operations: a desktop, started
// editors that open their file on it, files, and a scripted user interface whose waits let
// fake time pass.
#pragma once

#include "fakes/fake_desktop.h"
#include "fakes/fake_files.h"
#include "fakes/fake_processes.h"
#include "fakes/fake_user_interface.h"
#include "layout/editor_launcher.h"
#include "layout/layout_commands.h"

#include <gtest/gtest.h>

#include <utility>

namespace wyndrel::layout {

class LayoutWorld : public ::testing::Test {
protected:
    LayoutWorld() {
        Processes.ModelEditorOn(Desktop, {});
        Ui.OnPump([this](std::uint32_t elapsedMs) { Processes.AdvanceTime(elapsedMs); });
    }
    void ModelEditor(fakes::TEditorModel model) { Processes.ModelEditorOn(Desktop, model); }
    void Save(const std::string& path) { SaveLayout(Engine, Files, Ui, path); }
    void Load(const std::string& path) { LoadLayout(Launcher, Files, Ui, path); }
    // The editor window showing `path`, or none.
    WindowId EditorShowing(const std::string& path) {
        auto found = Engine.FindEditorByFile(path);
        return found ? found->Wnd : WindowId{};
    }

    // Both ends of the selection in an editor's text control; a restored caret selects nothing.
    std::pair<std::int32_t, std::int32_t> Selection(WindowId editor) {
        const fakes::TFakeWindow& text = Desktop.Window(Desktop.EditorChild(editor));
        return {text.SelectionStart, text.SelectionEnd};
    }

    fakes::TFakeDesktop Desktop;
    fakes::TFakeProcesses Processes;
    fakes::TFakeFiles Files;
    fakes::TFakeUserInterface Ui;
    TLayoutEngine Engine{Desktop};
    TEditorPath EditorPath{"C:\\Program Files\\Quillon\\Quillon.exe"};
    TEditorLauncher Launcher{Engine, EditorPath, Processes, Ui};
};

}  // namespace wyndrel::layout
