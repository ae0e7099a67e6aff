// Sheet "起動時" of the options dialog: where and how the main window starts, in two
// columns of group boxes, and the start-up switches with the delay.
#include "dialogs/option_form.h"
#include "dialogs/option_ids.h"

namespace wyndrel::dialogs {
namespace {

using namespace option_ids;
using ui::Bounds;
using ui::TControlKind;

constexpr int LeftColumn = SheetLeft;
constexpr int LeftWidth = 158;
constexpr int RightColumn = LeftColumn + LeftWidth + 8;
constexpr int RightWidth = SheetRight - RightColumn;
constexpr int ChoiceTop = 32;  // the two groups of four choices
constexpr int ChoiceStep = 16;
constexpr int ChoiceGroupHeight = 82;
constexpr int LowerTop = ChoiceTop + ChoiceGroupHeight + 2;
constexpr int NumberHeight = 19;

struct TChoice {
    int Id;
    const char* Name;
    const char* Caption;
    const char* Hint;
};

// A group box with four radio buttons, one under the other.
void AddChoices(std::vector<ui::TControlSpec>& c, int groupId, const char* groupName,
                const char* groupCaption, int left, int width, const TChoice (&choices)[4]) {
    c.push_back(OptionControl(groupId, TControlKind::GroupBox, groupName, groupCaption,
                              Bounds(left, ChoiceTop, width, ChoiceGroupHeight)));
    for (int i = 0; i < 4; ++i)
        c.push_back(OptionControl(
            choices[i].Id, TControlKind::RadioButton, choices[i].Name, choices[i].Caption,
            Bounds(left + 10, ChoiceTop + 16 + i * ChoiceStep, width - 20, 16), choices[i].Hint,
            i == 0 ? ui::GroupStart | ui::Checked : ui::NoFlags));
}

// A numeric box with its arrows: right-aligned, five characters, fixed-pitch. The box writes
// its own numbers without separators; the arrows write theirs as their range says.
void AddNumber(std::vector<ui::TControlSpec>& c, int boxId, const char* boxName, int upDownId,
               const char* upDownName, const Rect& box, const char* hint, ui::TUpDownSpec range,
               std::uint32_t flags = ui::NoFlags) {
    ui::TControlSpec number =
        OptionControl(boxId, TControlKind::NumEdit, boxName, "0", box, hint, flags);
    number.Font = OptionFixedFont;
    number.MaxLength = 5;
    c.push_back(number);
    ui::TControlSpec arrows =
        OptionControl(upDownId, TControlKind::UpDown, upDownName, "",
                      Bounds(box.Right, box.Top, 16, box.Height()), hint, flags);
    range.Buddy = boxId;
    arrows.UpDown = range;
    c.push_back(arrows);
}

void AddUserPosition(std::vector<ui::TControlSpec>& c) {
    c.push_back(OptionControl(GroupBox2, TControlKind::GroupBox, "GroupBox2", "ユーザー指定位置",
                              Bounds(LeftColumn, LowerTop, LeftWidth, SheetBottom - LowerTop)));
    const int labelLeft = LeftColumn + 10, boxLeft = LeftColumn + 50;
    const ui::TUpDownSpec position{0, 0, 32767, 10, true};
    c.push_back(OptionControl(Label3, TControlKind::Label, "Label3", "左から",
                              Bounds(labelLeft, LowerTop + 19, 38, 14)));
    AddNumber(c, numLeft, "numLeft", udLeft, "udLeft",
              Bounds(boxLeft, LowerTop + 16, 56, NumberHeight),
              "ウィンドウのX座標を設定します。\r画面左からのピクセル数を指定します。", position);
    c.push_back(OptionControl(Label4, TControlKind::Label, "Label4", "上から",
                              Bounds(labelLeft, LowerTop + 41, 38, 14)));
    AddNumber(c, numTop, "numTop", udTop, "udTop", Bounds(boxLeft, LowerTop + 38, 56, NumberHeight),
              "ウィンドウのY座標を設定します。\r画面上からのピクセル数を指定します。", position);
    c.push_back(OptionControl(btnInsNowPos, TControlKind::Button, "btnInsNowPos", "現在値挿入(&W)",
                              Bounds(labelLeft, LowerTop + 60, LeftWidth - 20, 20),
                              "現在位置を上のエディットボックスに挿入します。\rこのダイアログを出す"
                              "前に、Wyndrelを好みの\r"
                              "位置に移動しておくといいでしょう。"));
}

void AddSwitches(std::vector<ui::TControlSpec>& c) {
    struct TSwitch {
        int Id;
        const char* Name;
        const char* Caption;
        const char* Hint;
    };
    static const TSwitch Switches[] = {
        {chkIsIconic, "chkIsIconic", "アイコン化(&I)",
         "チェックを入れると、アイコンモードで起動します。\r("
         "タスクトレイは表示しますがウィンドウ・タスクバーは表示されません)"},
        {chkIsActivate, "chkIsActivate", "起動時必ずアクティブになる(&F)",
         "起動時にアクティブになり、フォーカスを取得するようにします。\rなお、Windowsの状態により、"
         "タスクバーがちらちらするだけの\r"
         "場合もありますがWyndrelのバグではありません。(^-^;"},
        {chkIsMinimizeOnStart, "chkIsMinimizeOnStart", "起動時に最小化(&M)",
         "チェックを入れると起動時に最小化した状態になります。\r("
         "ウィンドウは表示されせんがタスクバーには表示されます)\r"
         "16Bit時代からの名残で「アイコン化」とも言いますが、\rWyndrelで言うところの「アイコン化」"
         "とは異なります。"},
        {chkUseDelay, "chkUseDelay", "遅延起動を行う(&D)",
         "遅延起動を行うか設定します。\rスタートアップに登録するときは、\rここをオンにする事をオス"
         "スメします。"},
    };
    // The delay's switch stops short of its box, which shares its row.
    constexpr int DelayLeft = SheetRight - 62;
    for (int i = 0; i < 4; ++i) {
        const int width =
            Switches[i].Id == chkUseDelay ? DelayLeft - 4 - (RightColumn + 2) : RightWidth - 4;
        c.push_back(OptionControl(Switches[i].Id, TControlKind::CheckBox, Switches[i].Name,
                                  Switches[i].Caption,
                                  Bounds(RightColumn + 2, LowerTop + 4 + i * 20, width, 17),
                                  Switches[i].Hint, i == 0 ? ui::GroupStart : ui::NoFlags));
    }
    AddNumber(c, numDelay, "numDelay", udDelay, "udDelay",
              Bounds(DelayLeft, LowerTop + 64, 46, NumberHeight),
              "遅延起動で、起動まで待つ時間(ミリ秒)"
              "。\r1000ミリ秒で1秒です。\rまた、大して正確ではありません。(^^;\r"
              "あくまで参考程度に…",
              ui::TUpDownSpec{0, 0, 30000, 100, false}, ui::Disabled);
}

}  // namespace

TOptionSheetSpec StartupSheet() {
    TOptionSheetSpec sheet{"TabSheet2", "起動時", {}};
    static const TChoice Positions[4] = {
        {rbPosLast, "rbPosLast", "最終終了位置(&S)", "最後にWyndrelが終了した位置で起動します。"},
        {rbPosAuto, "rbPosAuto", "自動で(&A)", "Wyndrelが自動で位置を決めます。"},
        {rbPosUser, "rbPosUser", "指定位置に(&U)",
         "あなたが指定した位置で起動します。\r位置の指定はこの画面中央、\r「ユーザー指定位置」\rで"
         "指定します。"},
        {rbPosCenter, "rbPosCenter", "画面中央(&C)", "起動時に画面中央に移動します。"},
    };
    static const TChoice Modes[4] = {
        {rbModeLast, "rbModeLast", "最終終了時(&L)", "最後に終了したときの状態で起動します。"},
        {rbModeNorm, "rbModeNorm", "通常モード(&N)", "通常モードで起動します。"},
        {rbModeHorz, "rbModeHorz", "水平モード(&H)", "水平モードで起動します。"},
        {rbModeVert, "rbModeVert", "垂直モード(&V)",
         "垂直モードで起動します。\rスタートアップに入れるなら\rさらにアイコン化にチェックを\r入れ"
         "るのをオススメします。"},
    };
    AddChoices(sheet.Controls, GroupBox1, "GroupBox1", "ウィンドウ位置指定", LeftColumn, LeftWidth,
               Positions);
    AddUserPosition(sheet.Controls);
    AddChoices(sheet.Controls, GroupBox3, "GroupBox3", "表示モード指定", RightColumn, RightWidth,
               Modes);
    AddSwitches(sheet.Controls);
    return sheet;
}

}  // namespace wyndrel::dialogs
