// Sheet "一般" of the options dialog: the editor's path with its detect and browse buttons,
// and the general switches. Hints break lines with a single "\r".
#include "dialogs/option_form.h"
#include "dialogs/option_ids.h"

namespace wyndrel::dialogs {

TOptionSheetSpec GeneralSheet() {
    using namespace option_ids;
    using ui::Bounds;
    using ui::TControlKind;
    TOptionSheetSpec sheet{"TabSheet1", "一般", {}};
    auto& c = sheet.Controls;
    c.push_back(OptionControl(Label1, TControlKind::Label, "Label1", "Quillonのパス(&T)",
                              Bounds(SheetLeft, 38, 220, 14), "Quillonのパスは必ず指定しなければなりません。"));
    ui::TControlSpec path = OptionControl(
        txtQuilPath, TControlKind::FileDropEdit, "txtQuilPath", "Quillon.exe",
        Bounds(SheetLeft, 54, SheetRight - SheetLeft, 20),
        "Quillonのパスを入力します。\rQuillonインストール後にQuillon.exeをここにドロップ\r"
        "すると、自動でファイル名を入力することが出来ます。");
    path.Font = OptionFixedFont;
    path.Drop = {true, false, true};  // the first dropped file's path becomes the text
    c.push_back(path);
    c.push_back(OptionControl(btnDetect, TControlKind::Button, "btnDetect", "検出(&D)",
                              Bounds(SheetRight - 157, 80, 75, 23)));
    c.push_back(OptionControl(btnBrowse, TControlKind::Button, "btnBrowse", "参照(&B)",
                              Bounds(SheetRight - 75, 80, 75, 23),
                              "クリックすると、コモンダイアログでQuillonの位置を指定することが出来ます。"));
    c.push_back(OptionControl(chkIsMostTop, TControlKind::CheckBox, "chkIsMostTop", "最前面表示(&M)",
                              Bounds(SheetLeft, 112, 110, 17),
                              "ウィンドウを最前面表示するか指定します。\rデフォルト(最初)ではオンになっています。",
                              ui::Checked));
    c.push_back(OptionControl(chkCloseNoExit, TControlKind::CheckBox, "chkCloseNoExit",
                              "ウィンドウ閉じても終了しない(&X)", Bounds(SheetLeft, 132, 220, 17),
                              "ウィンドウを閉じても終了せず、隠すだけにします。\r通常モード、水平モードで有効です。"));
    c.push_back(OptionControl(chkAddFavMenuOpen, TControlKind::CheckBox, "chkAddFavMenuOpen",
                              "メニューからお気に入り追加時、そのファイルを開く(&A)", Bounds(SheetLeft, 152, 320, 17),
                              "タスクトレイのポップアップメニューから\r「お気に入りを追加」したとき、そのファイル\r"
                              "を開くように出来ます。"));
    c.push_back(OptionControl(Label5, TControlKind::Label, "Label5",
                              "ファイル読込・書込後に終了のオプションは、保存・読み込み後に終了ボタンの採用に伴い"
                              "削除されました。",
                              Bounds(SheetLeft, 172, SheetRight - SheetLeft, 28), "あしからずのほどご了承下さいm(_ _)m"));
    return sheet;
}

}  // namespace wyndrel::dialogs
