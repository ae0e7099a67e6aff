// The About window's controls at their design places, in tab order.
#include "dialogs/ver_info_form.h"

#include "dialogs/ver_info_ids.h"

#include <string>

namespace wyndrel::dialogs {
namespace {

using namespace ver_info_ids;
using ui::Bounds;
using ui::TControlKind;

constexpr const char* ProgramHint = "Wyndrel";
constexpr const char* TitleHint = "遊び心です(^-^;\rヒントはネオンか\rら得ました。(^^)";
constexpr int LetterLefts[TitleLetterCount] = {46, 66, 90, 110, 130, 150, 170};
constexpr const char* Letters[TitleLetterCount] = {"W", "y", "n", "d", "r", "e", "l"};
constexpr int LetterWidth = 24;
constexpr int TitleHeight = 29;

ui::TControlSpec Control(int id, TControlKind kind, const char* name, std::string caption,
                         Rect bounds, std::string hint = {}) {
    ui::TControlSpec spec;
    spec.Id = id;
    spec.Kind = kind;
    spec.Name = name;
    spec.Caption = std::move(caption);
    spec.Bounds = bounds;
    spec.Hint = std::move(hint);
    return spec;
}

void AddTitle(ui::TFormSpec& form) {
    form.Controls.push_back(
        Control(Image1, TControlKind::Custom, "Image1", "", Bounds(3, 3, 32, 32), ProgramHint));
    form.Controls.back().ClassName = "TWyndrelImage";
    form.Controls.push_back(Control(lblTitleBak, TControlKind::Label, "lblTitleBak", "",
                                    Bounds(44, 6, 141, TitleHeight), ProgramHint));
    for (int i = 0; i < TitleLetterCount; ++i) {
        const std::string name = "lblTitle" + std::to_string(i + 1);
        form.Controls.push_back(Control(lblTitle1 + i, TControlKind::Label, "", Letters[i],
                                        Bounds(LetterLefts[i], 6, LetterWidth, TitleHeight),
                                        TitleHint));
        form.Controls.back().Name = name;
        form.Controls.back().Font = {ui::TFontFace::PGothic, 27};
    }
}

ui::TFormSpec MakeForm() {
    ui::TFormSpec form;
    form.Name = "frmVerInfo";
    form.Caption = "バージョン情報 - Wyndrel";
    form.ClientWidth = 336;
    form.ClientHeight = 155;
    AddTitle(form);
    auto& c = form.Controls;
    c.push_back(
        Control(Label1, TControlKind::Label, "Label1", "Version：", Bounds(186, 23, 48, 12)));
    c.push_back(Control(txtVerInfo, TControlKind::Label, "txtVerInfo", "9.99.999.9999",
                        Bounds(234, 21, 97, 16)));
    c.back().Font = {ui::TFontFace::Gothic, 12};
    c.push_back(Control(Label3, TControlKind::Label, "Label3", "作：Wyndrel の開発者たち",
                        Bounds(39, 39, 250, 12)));
    c.push_back(Control(Label4, TControlKind::Label, "Label4",
                        "アイコンとカーソル：開発者たちの描き下ろし", Bounds(40, 52, 250, 12)));
    c.push_back(Control(URLLabel1, TControlKind::Label, "URLLabel1", WebAddress,
                        Bounds(42, 68, 198, 12),
                        "ここをクリックすると、標準で使用するブラウザを起動し、\r作者のウェブページ"
                        "へ行くことが出来ます。"));
    c.push_back(Control(URLMAIL, TControlKind::Label, "URLMAIL",
                        std::string("Mailto:") + ContactAddress + MailSubject,
                        Bounds(42, 80, 181, 12),
                        "ここをクリックすると、標準で使用するメーラーソフトを起動し、\r作者へのメー"
                        "ルを書くことが出来ます。"));
    c.push_back(
        Control(Label2, TControlKind::Label, "Label2", "システム情報：", Bounds(42, 96, 80, 12)));
    c.push_back(Control(btnOK, TControlKind::Button, "btnOK", "OK", Bounds(272, 68, 61, 25),
                        "このダイアログを閉じます。"));
    c.back().Flags = ui::DefaultButton | ui::CancelButton;
    c.push_back(
        Control(txtSysInfo, TControlKind::Edit, "txtSysInfo", "", Bounds(42, 108, 291, 45)));
    c.back().Flags = ui::MultiLine | ui::ReadOnly;
    c.back().Font = {ui::TFontFace::Gothic, 12};
    return form;
}

}  // namespace

const ui::TFormSpec& VerInfoForm() {
    static const ui::TFormSpec form = MakeForm();
    return form;
}

}  // namespace wyndrel::dialogs
