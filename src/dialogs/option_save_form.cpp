// Sheet "保存時" of the options dialog: the switch drawn over the top edge of its group, the
// definition with its insert button, the preview, and the hint memo filling the rest.
#include "dialogs/option_form.h"
#include "dialogs/option_ids.h"
#include "dialogs/option_sheet_ids.h"

namespace wyndrel::dialogs {
namespace {

using namespace option_ids;
using ui::Bounds;
using ui::TControlKind;

constexpr int GroupTop = SheetTop + 7;  // the switch sits across the group's top line
constexpr int Inner = SheetLeft + 10;
constexpr int BoxLeft = Inner + 88;  // the label "ユーザ定義(&U)" whole at its font
constexpr int InnerRight = SheetRight - 10;
constexpr int InsertWidth = 36;
constexpr int DefinitionTop = GroupTop + 18;
constexpr int PreviewTop = DefinitionTop + 26;
constexpr int MemoTop = PreviewTop + 28;

ui::TControlSpec FixedPitch(ui::TControlSpec spec) {
    spec.Font = OptionFixedFont;
    return spec;
}

}  // namespace

TOptionSheetSpec SaveSheet() {
    TOptionSheetSpec sheet{"TabSheet3", "保存時", {}};
    auto& c = sheet.Controls;
    // The group first: a later sibling paints over it, so the switch hides the line it sits on.
    c.push_back(
        OptionControl(GroupDefFileName, TControlKind::GroupBox, "GroupDefFileName", "",
                      Bounds(SheetLeft, GroupTop, SheetRight - SheetLeft, SheetBottom - GroupTop)));
    c.push_back(OptionControl(
        chkUseDefFileName, TControlKind::CheckBox, "chkUseDefFileName",
        "保存時のデフォルトのファイル名を入れる(&I)", Bounds(Inner - 2, SheetTop, 260, 16),
        "チェックを入れると、レイアウトを保存するとき、デフォルトのファイル名を\rユーザーが定義した"
        "年月日時分秒を挿入することが出来るようになります。\r!!注意!!"
        "\r使用する時刻はPC内部時計です。"
        "\rPC内部時計が正確でなければ表示される時刻も当然正確ではありません。\rあしからずご了承下さ"
        "い。"));
    c.push_back(OptionControl(Label2, TControlKind::Label, "Label2", "ユーザ定義(&U)",
                              Bounds(Inner, DefinitionTop + 3, BoxLeft - Inner - 4, 14)));
    c.push_back(FixedPitch(OptionControl(
        txtFileDef, TControlKind::Edit, "txtFileDef", "",
        Bounds(BoxLeft, DefinitionTop, InnerRight - InsertWidth - 4 - BoxLeft, 20),
        "ここに定義を入力してください。\rピリオドと拡張子 ( .qdl ) は自動的に挿入されます。",
        ui::Disabled)));
    c.push_back(OptionControl(btnInsTimeDef, TControlKind::Button, "btnInsTimeDef", "<<",
                              Bounds(InnerRight - InsertWidth, DefinitionTop - 1, InsertWidth, 22),
                              "ここをクリックすると、ポップアップメニューから検索できます。",
                              ui::Disabled));
    c.push_back(OptionControl(Label6, TControlKind::Label, "Label6", "プレビュー",
                              Bounds(Inner, PreviewTop + 3, BoxLeft - Inner - 4, 14)));
    c.push_back(FixedPitch(
        OptionControl(txtPreview, TControlKind::Edit, "txtPreview", "",
                      Bounds(BoxLeft, PreviewTop, InnerRight - BoxLeft, 20),
                      "プレビューです。\r実際に何というファイル名で\r表示されるかを表示します。",
                      ui::ReadOnly | ui::Disabled)));
    c.push_back(FixedPitch(OptionControl(
        txtDefHint, TControlKind::Edit, "txtDefHint", "",
        Bounds(Inner, MemoTop, InnerRight - Inner, SheetBottom - 8 - MemoTop),
        "定義のヒントです。\rアーカイブ付属の[日付時刻.txt]に\r同じ内容の物がかかれています。"
        "\rQuillonで読んでみてください(^^;",
        ui::MultiLine | ui::HorzScroll | ui::ReadOnly)));
    return sheet;
}

}  // namespace wyndrel::dialogs
