// The main window's controls. Hints break lines with a single "\r".
#include "app/main_window_form.h"

#include "app/main_window_ids.h"
#include "app/view_mode.h"
#include "platform/user_interface.h"

namespace wyndrel::app {

ui::TFormSpec MainWindowForm() {
    struct TRow {
        int Id;
        const char* Name;
        const char* Caption;
        const char* Hint;
    };
    static const TRow Rows[] = {
        {ids::btnRead, "btnRead", "読込(&R)", "保存されたレイアウトを復元します。"},
        {ids::btnSave, "btnSave", "保存(&S)",
         "現在ファイルを開いている全てのQuillon\rのウィンドウ位置・サイズ(レイアウト)"
         "を\rファイルに保存します。"},
        {ids::btnSituate, "btnSituate", "現状(&N)",
         "現在ファイルを開いているQuillonを\rリストにして表示します。"},
        {ids::btnOption, "btnOption", "設定(&O)", "設定ダイアログを表示します。"},
        {ids::btnChangeView, "btnChangeView", "表示切替(&V)",
         "\u3000表示モードを切り替えることが出来ます。\r\u3000このボタンは右クリックでポップアップ"
         "メニュー\r"
         "が出てきますのでそれで指定することも出来ます。"},
        {ids::btnClose, "btnClose", "終了(&C)", "Wyndrelを終了します。"},
        {ids::btnReadEnd, "btnReadEnd", "読込.閉(&1)",
         "レイアウトを復元後、Wyndrelを終了します。\rファイルを開くダイアログでキャンセルしたら\r終"
         "了もキャンセルされます。"},
        {ids::btnSaveEnd, "btnSaveEnd", "保存.閉(&2)",
         "レイアウトを保存してWyndrelを終了します。\rファイルの保存ダイアログでキャンセルされたら\r"
         "終了もキャンセルされます。"},
    };
    const TMainWindowArrangement& normal = ArrangeMainWindow(TViewMode::Normal);
    ui::TFormSpec form;
    form.Name = "frmWyndrel";
    form.Caption = ProgramName;
    form.ClientWidth = normal.ClientWidth;
    form.ClientHeight = normal.ClientHeight;
    form.Font = {ui::TFontFace::PGothic, 12};
    for (std::size_t i = 0; i < std::size(Rows); ++i) {
        ui::TControlSpec button;
        button.Id = Rows[i].Id;
        button.Name = Rows[i].Name;
        button.Caption = Rows[i].Caption;
        button.Hint = Rows[i].Hint;
        button.Bounds = normal.Buttons[i].Bounds;
        button.Font = form.Font;
        form.Controls.push_back(button);
    }
    return form;
}

}  // namespace wyndrel::app
