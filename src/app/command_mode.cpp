// Command mode. It never touches the instance mutex nor creates the main window: it runs
// beside a resident copy of the program.
#include "app/command_mode.h"

#include "layout/editor_launcher.h"
#include "layout/layout_commands.h"
#include "platform/silent_abort.h"
#include "settings/setting_keys.h"
#include "text/default_file_name.h"
#include "text/user_date_time_locale.h"

namespace wyndrel::app {
namespace {

constexpr const char* TooManyArgumentsText =
    "そんなに大量のコマンドラインを入力されても困りまする\r\nコマンドラインの説明はREADMEを参照下さ"
    "れ。";
constexpr const char* InvalidSwitchText =
    "無効なコマンドラインです。設定をご確認下さい。\r\nコマンドライン：";

TExitCode Save(const TPorts& ports, layout::TLayoutEngine& engine, const std::string& path) {
    return layout::SaveLayout(engine, ports.Files, ports.UserInterface, path) ? TExitCode::Done
                                                                              : TExitCode::NotDone;
}

TExitCode Load(const TPorts& ports, layout::TEditorLauncher& launcher, const std::string& path) {
    try {
        return layout::LoadLayout(launcher, ports.Files, ports.UserInterface, path)
                   ? TExitCode::Done
                   : TExitCode::NotDone;
    } catch (const ESilentAbort&) {
        return TExitCode::NotDone;
    }
}

}  // namespace

TFileDialog LayoutOpenDialog() {
    TFileDialog dialog;
    dialog.Title = "デスクトップレイアウトファイルを開く";
    dialog.Filter = LayoutFileFilter;
    dialog.DefaultExtension = "qdl";
    dialog.FileMustExist = true;
    return dialog;
}

TFileDialog LayoutSaveDialog() {
    TFileDialog dialog;
    dialog.Title = "デスクトップレイアウトファイルの保存";
    dialog.Filter = LayoutFileFilter;
    dialog.DefaultExtension = "qdl";
    dialog.PromptBeforeOverwrite = true;
    return dialog;
}

TFileDialog CommandLineSaveDialog(settings::TIniAccess& ini, IClock& clock,
                                  IRegionalSettings& regional) {
    using namespace settings::keys;
    TFileDialog dialog = LayoutSaveDialog();
    if (ini.Read(UseDefFileName)) {
        const text::TDateTimeLocale locale = text::UserDateTimeLocale(regional);
        std::string format = ini.Read(IsFileNameDateTime);
        dialog.InitialFileName = text::MakeCommandLineDefFileName(format, clock, locale) + ".qdl";
    }
    return dialog;
}

TFileDialog CommandLineOpenDialog() { return LayoutOpenDialog(); }

TExitCode RunCommand(const TPorts& ports, settings::TIniAccess& ini, const std::string& editorPath,
                     const TCommand& command) {
    IUserInterface& ui = ports.UserInterface;
    layout::TLayoutEngine engine(ports.Desktop);
    const layout::TEditorPath editor(editorPath);
    layout::TEditorLauncher launcher(engine, editor, ports.Processes, ports.UserInterface);
    switch (command.Kind) {
        case TCommandKind::SaveTo:
            return Save(ports, engine, command.Path);
        case TCommandKind::LoadFrom:
            return Load(ports, launcher, command.Path);
        case TCommandKind::SaveWithDialog: {
            auto path = ui.ShowSaveDialog(CommandLineSaveDialog(ini, ports.Clock, ports.Regional));
            return path ? Save(ports, engine, *path) : TExitCode::NotDone;
        }
        case TCommandKind::LoadWithDialog: {
            auto path = ui.ShowOpenDialog(CommandLineOpenDialog());
            return path ? Load(ports, launcher, *path) : TExitCode::NotDone;
        }
        case TCommandKind::InvalidSwitch:
            ui.ShowMessageDialog(TDialogType::Warning, InvalidSwitchText + command.FirstArgument,
                                 TBoxButtons::Ok);
            return TExitCode::InvalidCommandLine;
        case TCommandKind::TooManyArguments: {
            TMessageBox box;
            box.Text = TooManyArgumentsText;
            box.Caption = "えら～";
            box.Icon = TBoxIcon::Error;
            box.Foreground = true;
            ui.ShowMessageBox(box);
            return TExitCode::InvalidCommandLine;
        }
        case TCommandKind::Resident:
            break;
    }
    return TExitCode::Done;
}

}  // namespace wyndrel::app
