// Restoring a layout. The whole file is parsed before any editor is touched, so a bad line
// anywhere starts and moves nothing.
#include "layout/layout_commands.h"
#include "layout/layout_file_io.h"
#include "layout/status_title.h"
#include "platform/silent_abort.h"

namespace wyndrel::layout {
namespace {

constexpr const char* LoadingTitle = "読込中";
constexpr const char* UserErrorPrefix = "ユーザーエラーが発生しました。\r\n";

constexpr const char* OldGenerationNotice =
    "このファイルは古いQuillonデスクトップです。\rこのバージョンではカーソル位置は復元されません。";
constexpr const char* NotALayoutQuestion =
    "このファイルはQuillonデスクトップファイルではなさそうです。\r\n読み込みを中断してもよろしいで"
    "すか？\r\n"
    "警告：非レイアウトファイルを読ませるとエラーで強制的に\r\n終了される場合があります。";

[[noreturn]] void Abandon(TStatusTitle& title, IUserInterface& ui, const std::string& why) {
    title.Reset();
    std::string text = UserErrorPrefix;
    text += why;
    ui.ShowMessageDialog(TDialogType::Error, text, TBoxButtons::Ok);
    throw ESilentAbort();
}

// False when the user stops at the question about a file that does not look like a layout.
bool AcceptHeader(THeaderKind header, IUserInterface& ui) {
    if (header == THeaderKind::Current) return true;
    TMessageBox box;
    box.Foreground = true;
    if (header == THeaderKind::OldGeneration) {
        box.Text = OldGenerationNotice;
        box.Caption = CaptionInformation;
        box.Icon = TBoxIcon::Information;
        box.SystemModal = true;
        ui.ShowMessageBox(box);
        return true;
    }
    box.Text = NotALayoutQuestion;
    box.Icon = TBoxIcon::Error;
    box.Buttons = TBoxButtons::YesNo;
    return ui.ShowMessageBox(box) != TBoxAnswer::Yes;
}

}  // namespace

bool LoadLayout(TEditorLauncher& launcher, IFiles& files, IUserInterface& ui,
                const std::string& path) {
    TStatusTitle title(ui);
    title.Show(LoadingTitle);
    TLayoutFileRead read = ReadLayoutFile(files, path);
    if (auto* error = std::get_if<TPlatformError>(&read))
        Abandon(title, ui, LayoutReadErrorText(*error));
    const TLayoutFileContent content = std::get<TLayoutFileContent>(std::move(read));

    title.Show(std::string(LoadingTitle) + "-バージョンチェック中");
    if (!AcceptHeader(content.Header, ui)) return false;

    title.Show(LoadingTitle);
    // The user interface stays responsive over long runs of blank and comment lines.
    for (size_t skipped = 0; skipped < content.SkippedLines.size(); ++skipped) ui.ProcessMessages();
    if (content.Error) Abandon(title, ui, LayoutFileErrorText(*content.Error));
    title.Reset();

    title.Show("Quillon起動中");
    launcher.OpenLayoutEntries(content.Entries);
    return true;
}

}  // namespace wyndrel::layout
