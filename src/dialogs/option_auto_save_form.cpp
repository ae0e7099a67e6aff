// Sheet "自動保存2" of the options dialog: two groups side by side (the state at start, the
// save method with its detection), the interval with its detached arrows, and the switch
// for every open file.
#include "dialogs/option_form.h"
#include "dialogs/option_ids.h"
#include "dialogs/option_sheet_ids.h"

namespace wyndrel::dialogs {
namespace {

using namespace option_ids;
using ui::Bounds;
using ui::TControlKind;

constexpr int GroupHeight = 96;
constexpr int LeftWidth = 150;
constexpr int RightLeft = SheetLeft + LeftWidth + 8;
constexpr int RightWidth = SheetRight - RightLeft;
constexpr int ChoiceStep = 20;
constexpr int IntervalTop = SheetTop + GroupHeight + 12;
constexpr int IntervalBoxLeft = SheetLeft + 124;
constexpr int IntervalBoxWidth = 56;

struct TChoice {
    int Id;
    const char* Name;
    const char* Caption;
    const char* Hint;
};

void AddChoices(std::vector<ui::TControlSpec>& c, const Rect& group, const TChoice* choices,
                int count, int checked) {
    for (int i = 0; i < count; ++i) {
        std::uint32_t flags = i == 0 ? ui::GroupStart : ui::NoFlags;
        if (i == checked) flags |= ui::Checked;
        c.push_back(OptionControl(
            choices[i].Id, TControlKind::RadioButton, choices[i].Name, choices[i].Caption,
            Bounds(group.Left + 10, group.Top + 18 + i * ChoiceStep, group.Width() - 20, 16),
            choices[i].Hint, flags));
    }
}

void AddStartState(std::vector<ui::TControlSpec>& c) {
    const Rect group = Bounds(SheetLeft, SheetTop, LeftWidth, GroupHeight);
    c.push_back(OptionControl(GroupBox4, TControlKind::GroupBox, "GroupBox4",
                              "自動保存の有効・無効", group));
    static const TChoice States[] = {
        {rbAS_E_OFF, "rbAS_E_OFF", "OFF状態で起動(&F)", "自動保存を無効にした状態で起動します。"},
        {rbAS_E_LAST, "rbAS_E_LAST", "前回終了時の状態(&L)", "前回終了時の状態を復元します。"},
        {rbAS_E_ON, "rbAS_E_ON", "ON状態で起動(&N)", "必ず自動保存を有効にした状態で起動します。"},
    };
    AddChoices(c, group, States, 3, 0);
}

void AddMethod(std::vector<ui::TControlSpec>& c) {
    const Rect group = Bounds(RightLeft, SheetTop, RightWidth, GroupHeight);
    c.push_back(
        OptionControl(GroupBox5, TControlKind::GroupBox, "GroupBox5", "自動保存の方式", group));
    static const TChoice Methods[] = {
        {rbASType_Old, "rbASType_Old", "旧式(仮想キー操作)(&O)",
         "旧式の仮想キー操作を使用します。\rウィンドウの移動があるなど難点があります。\rですがQuill"
         "on0.6β13-01以前でも"
         "使用できます。"},
        {rbASType_New, "rbASType_New", "新型(QlSave方式)(&N)",
         "QlSave方式の, "
         "メッセージを送る方式です。\rフォーカスの移動が無く使えます。\rQuillonのバージョンが "
         "「0.60 β13-01」\r以降でないと使用できません。"},
    };
    AddChoices(c, group, Methods, 2, 1);
    c.push_back(OptionControl(
        btnASTyeDetect, TControlKind::Button, "btnASTyeDetect", "方式の自動判別(&A)",
        Bounds(group.Left + 10, group.Top + 18 + 2 * ChoiceStep + 4, group.Width() - 20, 22),
        "設定されたQuillonのタイムスタンプを元に設定します。", ui::GroupStart));
}

void AddInterval(std::vector<ui::TControlSpec>& c) {
    const char* hint =
        "自動保存の間隔を入力します。単位は秒です。\r自動保存は、\r\r自動保存\r　　↓\r指定時間待ち"
        "\r　　↓\r自動保存\r\r"
        "を繰り返しています。\rそのため、一定時間ごとに保存と言っても、\r厳密な時間ごとに保存してい"
        "るわけではあ\rりません。"
        "\r\rまた、このエディットにフォーカスがあるか、\rこのエディットの上にマウスカーソルがある\r"
        "とホイールで操作できます。";
    c.push_back(
        OptionControl(Label8, TControlKind::Label, "Label8", "自動保存の間隔(&D)：",
                      Bounds(SheetLeft, IntervalTop + 3, IntervalBoxLeft - SheetLeft - 4, 14)));
    ui::TControlSpec box =
        OptionControl(numAS_Delay, TControlKind::NumEdit, "numAS_Delay", "1800",
                      Bounds(IntervalBoxLeft, IntervalTop, IntervalBoxWidth, 20), hint);
    box.Font = OptionFixedFont;
    box.MaxLength = 5;
    box.NumEdit = ui::TNumEditSpec{ui::TAlignment::RightJustify, ui::TNumberFormat{false, 0}};
    c.push_back(box);
    // Not attached to the box: its steps move the interval through the sheet's presenter.
    ui::TControlSpec arrows =
        OptionControl(udAS_Delay, TControlKind::UpDown, "udAS_Delay", "",
                      Bounds(IntervalBoxLeft + IntervalBoxWidth, IntervalTop, 16, 20), hint);
    arrows.UpDown = ui::TUpDownSpec{0, 0, 32767, 60, false};
    c.push_back(arrows);
    c.push_back(
        OptionControl(Label7, TControlKind::Label, "Label7", "秒",
                      Bounds(IntervalBoxLeft + IntervalBoxWidth + 20, IntervalTop + 3, 20, 14)));
}

}  // namespace

TOptionSheetSpec AutoSaveSettingsSheet() {
    TOptionSheetSpec sheet{"TabSheet6", "自動保存2", {}};
    AddStartState(sheet.Controls);
    AddMethod(sheet.Controls);
    AddInterval(sheet.Controls);
    sheet.Controls.push_back(OptionControl(
        chkASForAll, TControlKind::CheckBox, "chkASForAll",
        "自動保存は全てのファイルを対象にする(リストは無視されます)",
        Bounds(SheetLeft, IntervalTop + 30, SheetRight - SheetLeft, 17),
        "自動保存時、リストは無視されますが、\rリスト自体に改変が加えられるわけではありません",
        ui::GroupStart));
    return sheet;
}

}  // namespace wyndrel::dialogs
