// The options dialog's frame: caption, client size, page control and buttons around the
// sheets' controls.
#include "dialogs/option_form.h"

#include "dialogs/option_ids.h"

namespace wyndrel::dialogs {
namespace {

using namespace option_ids;
using ui::Bounds;
using ui::TControlKind;

constexpr int ButtonTop = GeneralSheetBottom + 13;
constexpr int ButtonHeight = 25;

ui::TFormSpec MakeForm() {
    ui::TFormSpec form;
    form.Name = "dlgOption";
    form.Caption = "設定";
    form.ClientWidth = 391;
    form.ClientHeight = GeneralSheetBottom + 44;
    form.Font = OptionFont;
    for (const TOptionSheetSpec& sheet : OptionSheets())
        form.Controls.insert(form.Controls.end(), sheet.Controls.begin(), sheet.Controls.end());
    form.Controls.push_back(OptionControl(PageCtrl, TControlKind::TabControl, "PageCtrl", "",
                                          Bounds(6, 6, 379, GeneralSheetBottom + 2)));
    form.Controls.push_back(OptionControl(btnOK, TControlKind::Button, "btnOK", "OK",
                                          Bounds(231, ButtonTop, 75, ButtonHeight),
                                          "全ての設定を保存して終了します。", ui::DefaultButton));
    form.Controls.push_back(OptionControl(btnCancel, TControlKind::Button, "btnCancel",
                                          "キャンセル", Bounds(310, ButtonTop, 75, ButtonHeight),
                                          "全ての変更を破棄して終了します。", ui::CancelButton));
    ui::TControlSpec help =
        OptionControl(btnHelp, TControlKind::Button, "btnHelp", "(&?)",
                      Bounds(6, ButtonTop, 40, ButtonHeight), "ヘルプを表示します。");
    help.Font.Bold = true;
    form.Controls.push_back(help);
    return form;
}

}  // namespace

ui::TControlSpec OptionControl(int id, ui::TControlKind kind, const char* name, const char* caption,
                               const Rect& bounds, const char* hint, std::uint32_t flags) {
    ui::TControlSpec spec;
    spec.Id = id;
    spec.Kind = kind;
    spec.Name = name;
    spec.Caption = caption;
    spec.Hint = hint;
    spec.Bounds = bounds;
    spec.Font = OptionFont;
    spec.Flags = flags;
    return spec;
}

const std::vector<TOptionSheetSpec>& OptionSheets() {
    static const std::vector<TOptionSheetSpec> sheets{
        GeneralSheet(),   StartupSheet(),      SaveSheet(),
        FavoritesSheet(), AutoSaveListSheet(), AutoSaveSettingsSheet(),
    };
    return sheets;
}

const ui::TFormSpec& OptionForm() {
    static const ui::TFormSpec form = MakeForm();
    return form;
}

}  // namespace wyndrel::dialogs
