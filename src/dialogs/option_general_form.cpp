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
                              Bounds(SheetLeft, 38, 220, 14),
                              "Quillonのパスは必ず指定しなければなりません。"));
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
    c.push_back(
        OptionControl(btnBrowse, TControlKind::Button, "btnBrowse", "参照(&B)",
                      Bounds(SheetRight - 75, 80, 75, 23),
                      "クリックすると、コモンダイアログでQuillonの位置を指定することが出来ます。"));
    c.push_back(OptionControl(
        chkIsMostTop, TControlKind::CheckBox, "chkIsMostTop", "最前面表示(&M)",
        Bounds(SheetLeft, 112, 110, 17),
        "ウィンドウを最前面表示するか指定します。\rデフォルト(最初)ではオンになっています。",
        ui::Checked));
    c.push_back(OptionControl(
        chkCloseNoExit, TControlKind::CheckBox, "chkCloseNoExit",
        "ウィンドウ閉じても終了しない(&X)", Bounds(SheetLeft, 132, 220, 17),
        "ウィンドウを閉じても終了せず、隠すだけにします。\r通常モード、水平モードで有効です。"));
    c.push_back(OptionControl(
        chkAddFavMenuOpen, TControlKind::CheckBox, "chkAddFavMenuOpen",
        "メニューからお気に入り追加時、そのファイルを開く(&A)", Bounds(SheetLeft, 152, 320, 17),
        "タスクトレイのポップアップメニューから\r「お気に入りを追加」したとき、そのファイル\r"
        "を開くように出来ます。"));
    c.push_back(OptionControl(chkStartWithWindows, TControlKind::CheckBox, "chkStartWithWindows",
                              "Windowsの起動時にWyndrelを起動する(&W)",
                              Bounds(SheetLeft, 172, 320, 17),
                              "Windowsにログオンしたとき、Wyndrelを自動的に起動します。"));
    c.push_back(OptionControl(
        chkFollowDisplays, TControlKind::CheckBox, "chkFollowDisplays",
        "ディスプレイ構成が戻ったらQuillonのウィンドウを元の位置に戻す(&P)",
        Bounds(SheetLeft, 192, 300, 28),
        "ノートPCを外部ディスプレイにつなぎ直したときなどに、そのディスプレイ構成で最後に記録した"
        "位置へQuillonのウィンドウを戻します。",
        ui::MultiLine | ui::Checked));
    c.push_back(OptionControl(grpLastSession, TControlKind::GroupBox, "grpLastSession",
                              "前回のセッションのQuillonウィンドウ",
                              Bounds(SheetLeft, 224, 260, 76)));
    const char* const choices[][3] = {
        {"rbLastSessionNone", "復元しない(&N)", "前回のセッションのウィンドウを復元しません。"},
        {"rbLastSessionAsk", "確認して復元する(&K)",
         "ログオフやシャットダウンの後の起動時に、前回のセッションで\r開いていたQuillonのウィンドウ"
         "を復元するか確認します。"},
        {"rbLastSessionRestore", "確認せずに復元する(&R)",
         "ログオフやシャットダウンの後の起動時に、前回のセッションで\r開いていたQuillonのウィンドウ"
         "を確認せずに復元します。"},
    };
    for (int i = 0; i < 3; ++i)
        c.push_back(OptionControl(rbLastSessionNone + i, TControlKind::RadioButton, choices[i][0],
                                  choices[i][1], Bounds(SheetLeft + 12, 242 + 18 * i, 230, 17),
                                  choices[i][2], i == 1 ? ui::Checked : ui::NoFlags));
    c.push_back(OptionControl(
        Label5, TControlKind::Label, "Label5",
        "ファイル読込・書込後に終了のオプションは、保存・読み込み後に終了ボタンの採用に伴い"
        "削除されました。",
        Bounds(SheetLeft, 304, SheetRight - SheetLeft, 28), "あしからずのほどご了承下さいm(_ _)m"));
    return sheet;
}

}  // namespace wyndrel::dialogs
