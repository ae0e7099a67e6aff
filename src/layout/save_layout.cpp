// Saving a layout. The file is written beside the target and moved over it only when whole,
// so a full disk or a failing device never costs the user the layout saved before.
#include "layout/layout_commands.h"
#include "layout/layout_file_io.h"
#include "layout/status_title.h"
#include "platform/go_on_regardless.h"

#include <utility>

namespace wyndrel::layout {
namespace {

std::string ReadOnlyQuestion(const std::string& path) {
    std::string text = "レイアウト保存先として指定されたファイル\r\n'";
    text += path;
    text +=
        "'\r\nは、読み取り専用属性が付いています。この属性をはずしますか？\r\n"
        "読み取り専用属性は保存後も外しっぱなしになります。\r\n「いいえ」を押すと保存をキャンセルし"
        "ます。";
    return text;
}

std::string WriteErrorText(const TPlatformError& error) {
    std::string text = "ファイル書込中に ";
    text += error.TypeName;
    text += " クラスのエラーが発生しました。\r\nメッセージ：";
    text += error.Message;
    return text;
}

// False when the user keeps the read-only file as it is.
bool MayOverwrite(IFiles& files, IUserInterface& ui, const std::string& path) {
    if (!files.FileExists(path) || !files.IsReadOnly(path)) return true;
    TMessageBox question;
    question.Text = ReadOnlyQuestion(path);
    question.Caption = CaptionQuestion;
    question.Icon = TBoxIcon::Question;
    question.Buttons = TBoxButtons::YesNo;
    question.SystemModal = true;
    question.Foreground = true;
    if (ui.ShowMessageBox(question) != TBoxAnswer::Yes) return false;
    // An attribute that stays makes the write below fail, and that failure tells the user why.
    GoOnRegardless(files.ClearReadOnly(path));
    return true;
}

}  // namespace

bool SaveLayout(TLayoutEngine& engine, IFiles& files, IUserInterface& ui, const std::string& path) {
    TStatusTitle title(ui);
    title.Show("Quillon検索中...");
    std::optional<std::vector<TLayout>> entries = engine.CaptureEditors();
    if (!entries) {
        ui.ShowMessageDialog(TDialogType::Error, "EnumWindowsに失敗しました。", TBoxButtons::Ok);
        return false;
    }
    if (entries->empty()) {
        ui.ShowMessageDialog(TDialogType::Information, "Quillonは見つかりませんでした",
                             TBoxButtons::Ok);
        return false;
    }
    title.Show("属性チェック中...");
    if (!MayOverwrite(files, ui, path)) return false;

    title.Show("レイアウト書込中...");
    if (auto error = WriteLayoutFile(files, path, std::move(*entries))) {
        title.Reset();
        TMessageBox box;
        box.Text = WriteErrorText(*error);
        box.Icon = TBoxIcon::Error;
        box.Foreground = true;
        ui.ShowMessageBox(box);
        return false;
    }
    return true;
}

}  // namespace wyndrel::layout
