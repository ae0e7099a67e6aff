// The list window's controls, columns and anchoring.
#include "dialogs/quillon_list_form.h"

#include "dialogs/quillon_list_ids.h"

#include <algorithm>

namespace wyndrel::dialogs {
namespace {

using namespace list_ids;
using ui::Bounds;

constexpr int DesignClientWidth = 492;
constexpr int DesignClientHeight = 273;
constexpr int ListBottomGap = DesignClientHeight - 236;  // from the list's bottom to the client's
constexpr int ButtonBottomGap =
    DesignClientHeight - 243;  // from the button's top to the client's bottom
constexpr int ButtonWidth = 92;
constexpr int ButtonHeight = 25;

ui::TFormSpec MakeForm() {
    ui::TFormSpec form;
    form.Name = "frmQuillonList";
    form.Caption = "Quillonリスト";
    form.ClientWidth = DesignClientWidth;
    form.ClientHeight = DesignClientHeight;
    form.Resizable = true;

    ui::TControlSpec list;
    list.Id = LV;
    list.Kind = ui::TControlKind::ListView;
    list.Name = "LV";
    list.Bounds = ListViewBounds(DesignClientWidth, DesignClientHeight);
    list.Font = {ui::TFontFace::Gothic, 12};
    list.Columns = {{"ファイル名", 250}, {"X", 36},    {"Y", 36},
                    {"幅", 36},          {"高さ", 36}, {"ｷｬﾚｯﾄ", 48}};
    form.Controls.push_back(list);

    ui::TControlSpec close;
    close.Id = btnClose;
    close.Name = "btnClose";
    close.Caption = "閉じる(&C)";
    close.Hint = "このウィンドを閉じます。";
    close.Bounds = CloseButtonBounds(DesignClientWidth, DesignClientHeight);
    close.Flags = ui::DefaultButton | ui::CancelButton;
    form.Controls.push_back(close);
    return form;
}

}  // namespace

const ui::TFormSpec& QuillonListForm() {
    static const ui::TFormSpec form = MakeForm();
    return form;
}

Rect ListViewBounds(int clientWidth, int clientHeight) {
    return Bounds(0, 0, std::max(clientWidth, 0), std::max(clientHeight - ListBottomGap, 0));
}

Rect CloseButtonBounds(int clientWidth, int clientHeight) {
    // Truncating toward zero, also for a window narrower than the button.
    return Bounds((clientWidth - ButtonWidth) / 2, clientHeight - ButtonBottomGap, ButtonWidth,
                  ButtonHeight);
}

}  // namespace wyndrel::dialogs
