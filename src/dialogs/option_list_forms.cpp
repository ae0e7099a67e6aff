// Sheets "お気に入り" and "自動保存1" of the options dialog: one file list each, the box that
// shows the selected path whole under it, and the seven buttons in a column at its right.
#include "dialogs/file_list_sheet.h"
#include "dialogs/option_form.h"

#include <array>

namespace wyndrel::dialogs {
namespace {

using ui::Bounds;
using ui::TControlKind;

constexpr int ButtonWidth = 88;
constexpr int ButtonHeight = 22;
constexpr int ButtonStep = 24;
constexpr int ButtonLeft = SheetRight - ButtonWidth;
constexpr int ListRight = ButtonLeft - 8;
constexpr int PreviewHeight = 20;
constexpr int PreviewTop = SheetBottom - PreviewHeight;

struct TListSheetTexts {
    const char* Name;
    const char* Caption;
    const char* ListName;
    const char* ListHint;
    const char* PreviewName;
    std::array<const char*, 7> ButtonNames;  // in the order of TFileListSheetIds
    bool AutoChange;  // the list box would append dropped files itself (the sheet refuses that)
};

struct TButtonText {
    const char* Caption;
    const char* Hint;
};

// Both lists' buttons read the same, top to bottom.
constexpr std::array<TButtonText, 7> Buttons{{
    {"全削除(&C)", "全ての項目を削除します。"},
    {"追加(&A)", "ファイルを追加します。"},
    {"削除(&E)", "選択したファイルを削除します。"},
    {"↑(&U)", "アイテムを一つ上に移動します。"},
    {"↓(&D)", "アイテムを一つ下に移動します。"},
    {"存在チェック(&T)", "全てのファイルに対し、ファイルが存在するか調べます。"},
    {"保存(&S)", "ここでの変更だけを直ちに保存できます。"},
}};

TOptionSheetSpec ListSheet(const TListSheetTexts& texts, const TFileListSheetIds& ids) {
    TOptionSheetSpec sheet{texts.Name, texts.Caption, {}};
    auto& c = sheet.Controls;
    ui::TControlSpec list =
        OptionControl(ids.List, TControlKind::FileDropListBox, texts.ListName, "",
                      Bounds(SheetLeft, SheetTop, ListRight - SheetLeft, PreviewTop - 4 - SheetTop),
                      texts.ListHint);
    list.Font = OptionFixedFont;
    list.Drop = ui::TFileDropSpec{true, true, texts.AutoChange};
    c.push_back(list);
    ui::TControlSpec preview =
        OptionControl(ids.Preview, TControlKind::Edit, texts.PreviewName, "",
                      Bounds(SheetLeft, PreviewTop, ListRight - SheetLeft, PreviewHeight),
                      "表示だけですよ(^^;", ui::ReadOnly);
    preview.Font = OptionFixedFont;
    c.push_back(preview);
    const std::array<int, 7> buttonIds{ids.Clear, ids.Add,      ids.Del, ids.Up,
                                       ids.Down,  ids.ExistChk, ids.Save};
    for (std::size_t i = 0; i < Buttons.size(); ++i)
        c.push_back(OptionControl(buttonIds[i], TControlKind::Button, texts.ButtonNames[i],
                                  Buttons[i].Caption,
                                  Bounds(ButtonLeft, SheetTop + static_cast<int>(i) * ButtonStep,
                                         ButtonWidth, ButtonHeight),
                                  Buttons[i].Hint));
    return sheet;
}

}  // namespace

TOptionSheetSpec FavoritesSheet() {
    static const TListSheetTexts texts{
        "TabSheet4",
        "お気に入り",
        "lbFavorites",
        "登録したお気に入りのリストです。\rタスクトレイのアイコンを「左」クリックすると\r登録したフ"
        "ァイルがメニューで出てきます。"
        "\rファイルのアイコンをメニューに表示するのは\r技術的には可能ですが重くなるのでする気\rはあ"
        "りません。",
        "txtFavPre",
        {"btnFav_Clear", "btnFav_Add", "btnFav_Del", "btnFav_Up", "btnFav_Down", "btnFav_ExistChk",
         "btnFav_Save"},
        true};
    return ListSheet(texts, FavoritesSheetIds);
}

TOptionSheetSpec AutoSaveListSheet() {
    static const TListSheetTexts texts{"TabSheet5",
                                       "自動保存1",
                                       "lbAutoSave",
                                       "自動保存の対象となるファイルのリストです。\rこれらファイル"
                                       "をQuillonで開いていることを\r感知した場合、そのQuillonに"
                                       "Ctrl+Sキーを\r送ります。",
                                       "txtASPre",
                                       {"btnAS_Clear", "btnAS_Add", "btnAS_Del", "btnAS_Up",
                                        "btnAS_Down", "btnAS_ExistsChk", "btnAS_Save"},
                                       false};
    return ListSheet(texts, AutoSaveListSheetIds);
}

}  // namespace wyndrel::dialogs
