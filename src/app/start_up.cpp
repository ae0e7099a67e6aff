// Start-up and command mode.
#include "app/start_up.h"

#include "app/command_line.h"
#include "app/command_mode.h"
#include "layout/editor_executable.h"
#include "layout/editor_interface.h"
#include "platform/go_on_regardless.h"
#include "settings/ini_access.h"
#include "settings/setting_keys.h"

namespace wyndrel::app {
namespace {

constexpr const char* EditorMissingText =
    "Quillonのパスを取得・設定出来ませんでした。\r\n終了します。";

// The editor path from the settings, else found on the machine and stored; none when neither
// gives an existing file.
std::optional<std::string> ResolveEditorPath(const TPorts& ports, settings::TIniAccess& ini) {
    using settings::keys::QuilPath;
    std::string path = ini.Read(QuilPath);
    if (ports.Files.FileExists(path)) return path;
    path = layout::FindEditorExecutable(ports.Files, ports.Processes, ports.UserInterface);
    if (path.empty() || !ports.Files.FileExists(path)) return std::nullopt;
    // A path that cannot be stored is not kept: this run uses it, the next one finds it again.
    GoOnRegardless(ini.WritePath(QuilPath, path));
    return path;
}

}  // namespace

void FinaliseProcess(IFiles& files, const settings::TSettingsFolder& folder) {
    const std::string temporary = folder.SnapshotPath();
    // Nobody is left to tell at the end; a file that stays keeps offering to put in order.
    if (files.FileExists(temporary)) GoOnRegardless(files.RemoveFile(temporary));
}

void DiscardStaleSnapshot(IFiles& files, std::int64_t systemStartTime,
                          const settings::TSettingsFolder& folder) {
    const std::string temporary = folder.SnapshotPath();
    const std::optional<std::int64_t> written = files.LastWriteTime(temporary);
    // A snapshot that cannot be deleted is read as before: put in order reports what it finds.
    if (written && *written < systemStartTime) GoOnRegardless(files.RemoveFile(temporary));
}

TStartUpResult RunStartUp(const TPorts& ports, const settings::TSettingsFolder& folder,
                          const std::vector<std::string>& arguments) {
    TStartUpResult result;
    settings::TIniAccess ini(ports.Files);
    ini.IniFileName = folder.IniPath();

    auto editorPath = ResolveEditorPath(ports, ini);
    if (!editorPath) {
        TMessageBox fatal;
        fatal.Text = EditorMissingText;
        fatal.Caption = "致命的エラー";
        fatal.Icon = TBoxIcon::Error;
        fatal.TopMost = true;
        fatal.Foreground = true;
        ports.UserInterface.ShowMessageBox(fatal);
        result.ExitCode = TExitCode::NotDone;
        return result;
    }
    result.EditorPath = *editorPath;

    TCommand command = ParseCommandLine(arguments);
    if (command.Kind == TCommandKind::Resident) {
        result.RunResident = true;
        return result;
    }
    // The scatter snapshot belongs to the resident copy: a layout opened from Explorer while the
    // windows are scattered must not take away the way back.
    result.ExitCode = RunCommand(ports, ini, result.EditorPath, command);
    return result;
}

}  // namespace wyndrel::app
