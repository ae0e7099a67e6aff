// The presenters of the sheets "保存時", "お気に入り"/"自動保存1" and "自動保存2" on the fake
// view: enabling and preview, the insert menu, the list buttons and drops, the interval box.
#include "dialogs/file_list_sheet.h"
#include "dialogs/option_auto_save_sheet.h"
#include "dialogs/option_save_sheet.h"
#include "dialogs/option_sheet_ids.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_files.h"
#include "fakes/fake_regional_settings.h"
#include "fakes/fake_user_interface.h"
#include "fakes/fake_view.h"

#include <gtest/gtest.h>

namespace wyndrel::dialogs {
namespace {

using namespace option_ids;
using ui::TControlEventKind;
using Entries = std::vector<std::string>;

ui::TFormSpec FormWith(std::initializer_list<int> ids) {
    ui::TFormSpec form;
    form.ClientWidth = 391;
    form.ClientHeight = 244;
    for (int id : ids) {
        ui::TControlSpec control;
        control.Id = id;
        form.Controls.push_back(control);
    }
    return form;
}

class SaveSheet : public ::testing::Test {
protected:
    SaveSheet() {
        View.SetWindowRect({100, 50, 499, 321});
        Sheet.Prepare();
    }
    fakes::TFakeView View{
        FormWith({chkUseDefFileName, txtFileDef, btnInsTimeDef, txtPreview, txtDefHint})};
    // Saturday 7 December 2002, 13:05:09.
    fakes::TFakeClock Clock{TLocalDateTime{2002, 12, 7, 13, 5, 9, 0, 6}};
    fakes::TFakeRegionalSettings Regional;
    TOptionSaveSheet Sheet{View, TSaveSheetPorts{Clock, Regional, [] { return Point{640, 222}; }}};
};

TEST_F(SaveSheet, TheCheckBoxEnablesTheDefinitionPreviewAndInsertButtonKeepingTheirTexts) {
    Sheet.Load(false, "yyyy/mm/dd aaaa");
    EXPECT_EQ(View.Text(txtPreview), "2002／12／07 土曜日.qdl");
    for (int id : {txtFileDef, txtPreview, btnInsTimeDef}) EXPECT_FALSE(View.Enabled(id));
    View.SetChecked(chkUseDefFileName, true);
    Sheet.OnControl({chkUseDefFileName, TControlEventKind::Click});
    for (int id : {txtFileDef, txtPreview, btnInsTimeDef}) EXPECT_TRUE(View.Enabled(id));
    View.SetText(txtFileDef, "");
    Sheet.OnControl({txtFileDef, TControlEventKind::Change});
    EXPECT_EQ(View.Text(txtPreview), ".qdl");
    EXPECT_TRUE(Sheet.UseDefFileName());
    EXPECT_EQ(View.Text(txtDefHint).find("定義(形式指定子)のヒント：\r\n"), 0u);
}

TEST_F(SaveSheet,
       AnInsertEntryFromTheButtonOrItsContextMenuReplacesTheSelectionAndThePreviewFollows) {
    Sheet.Load(true, "'Layout'");
    View.SetCaret(txtFileDef, 8);
    View.ChoosePopupEntry(InsertMenuFirstItem);  // mI00 "yyyy(西暦 4ケタ)"
    Sheet.OnControl({btnInsTimeDef, TControlEventKind::Click});
    EXPECT_EQ(Sheet.Definition(), "'Layout'yyyy");
    EXPECT_EQ(View.Text(txtPreview), "Layout2002.qdl");
    ASSERT_EQ(View.Popups().size(), 1u);
    EXPECT_EQ(View.Popups()[0].At, (Point{499, 222}));
    EXPECT_TRUE(View.Popups()[0].Menu.AlignRight);

    View.SelectText(txtFileDef, 1, 6);
    View.ChoosePopupEntry(InsertMenuFirstItem + 24);  // m24
    Sheet.OnControl({btnInsTimeDef, TControlEventKind::Click});
    EXPECT_EQ(Sheet.Definition(), "'dddddd'yyyy");
    Sheet.OnControl({btnInsTimeDef, TControlEventKind::Click});  // dismissed
    EXPECT_EQ(Sheet.Definition(), "'dddddd'yyyy");

    // The button's context menu opens with its right edge at the cursor.
    View.SetCaret(txtFileDef, 12);
    View.ChoosePopupEntry(InsertMenuFirstItem + 16);  // mI16 "h(時 1ケタ)"
    Sheet.OnControl({btnInsTimeDef, TControlEventKind::ContextMenu});
    EXPECT_EQ(Sheet.Definition(), "'dddddd'yyyyh");
    EXPECT_EQ(View.Popups().back().At, (Point{640, 222}));
}

class ListSheet : public ::testing::Test {
protected:
    fakes::TFakeView View{FormWith({lbFavorites, txtFavPre, btnFav_Clear, btnFav_Add, btnFav_Del,
                                    btnFav_Up, btnFav_Down, btnFav_ExistChk, btnFav_Save})};
    fakes::TFakeFiles Files;
    fakes::TFakeUserInterface Ui;
    std::vector<Entries> Saved;
    int Changes = 0;
    bool Changed = false;  // the dialog's flag as the sheet reports it
    bool Refused = false;  // the settings file refuses the save
    TFileListSheet Sheet{
        View,
        FavoritesSheetIds,
        FavoritesListTexts(),
        TFileListPorts{Ui, Files, [](const std::string&) { return std::string("C:\\new.txt"); }},
        [this](const Entries& entries) {
            Saved.push_back(entries);
            return !Refused;
        },
        [this](bool changed) {
            Changes += changed ? 1 : 0;
            Changed = changed;
        }};
};

TEST_F(ListSheet, ButtonsEditTheListShownAndEveryChangeAndTheSaveAreReported) {
    Sheet.Load({"C:\\a.txt", "C:\\b.txt"});
    EXPECT_EQ(View.Items(lbFavorites), (Entries{"C:\\a.txt", "C:\\b.txt"}));
    View.SetSelection(lbFavorites, 1);
    Sheet.OnControl({lbFavorites, TControlEventKind::SelectionChange});
    EXPECT_EQ(View.Text(txtFavPre), "C:\\b.txt");
    EXPECT_EQ(View.Control(txtFavPre).SelStart, 8u);
    Sheet.OnControl({btnFav_Up, TControlEventKind::Click});
    EXPECT_EQ(View.Items(lbFavorites), (Entries{"C:\\b.txt", "C:\\a.txt"}));
    EXPECT_EQ(View.Selection(lbFavorites), 0);
    Sheet.OnControl({btnFav_Up, TControlEventKind::Click});  // at the top: no change
    Sheet.OnControl({btnFav_Add, TControlEventKind::Click});
    EXPECT_EQ(Changes, 2);
    EXPECT_TRUE(Changed);
    Sheet.OnControl({btnFav_Save, TControlEventKind::Click});
    EXPECT_EQ(Saved, (std::vector<Entries>{{"C:\\b.txt", "C:\\a.txt", "C:\\new.txt"}}));
    EXPECT_FALSE(Changed);
    EXPECT_FALSE(Sheet.OnControl({btnAS_Add, TControlEventKind::Click}));
}

TEST_F(ListSheet, ADropIsRefusedToTheListBoxAndAddedByTheListsRules) {
    Sheet.Load({"C:\\a.txt"});
    std::vector<std::string> dropped{"C:\\A.TXT", "C:\\c.txt"};
    bool accept = true;
    EXPECT_TRUE(Sheet.OnDropQuery(lbFavorites, dropped, accept));
    EXPECT_FALSE(accept);
    EXPECT_EQ(View.Items(lbFavorites), (Entries{"C:\\a.txt", "C:\\c.txt"}));
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Ui.Messages().at(0).Text, "1 個のファイルが重複していたため\r\n登録されませんでした");
}

TEST_F(ListSheet, AListTheSettingsFileRefusedStaysChanged) {
    Sheet.Load({"C:\\a.txt"});
    Sheet.OnControl({btnFav_Add, TControlEventKind::Click});
    Refused = true;
    EXPECT_FALSE(Sheet.Save());
    EXPECT_TRUE(Changed);
    Refused = false;
    EXPECT_TRUE(Sheet.Save());
    EXPECT_FALSE(Changed);
}

TEST(AutoSaveSheet, IntervalBoxTakesDigitsCapsThemAndArrowsMoveAMinute) {
    fakes::TFakeView view{FormWith({rbAS_E_OFF, rbAS_E_LAST, rbAS_E_ON, rbASType_Old, rbASType_New,
                                    btnASTyeDetect, numAS_Delay, chkASForAll})};
    fakes::TFakeFiles files;
    fakes::TFakeUserInterface ui;
    TOptionAutoSaveSheet sheet(view, files, ui);
    sheet.Load({2, true, 90000, true});
    EXPECT_EQ(view.Text(numAS_Delay), "86400");
    EXPECT_TRUE(view.Checked(rbAS_E_ON) && view.Checked(rbASType_New) &&
                !view.Checked(rbASType_Old));

    auto type = [&](const std::string& text) {
        view.SetText(numAS_Delay, text);
        sheet.OnControl({numAS_Delay, TControlEventKind::Change}, "");
    };
    type("12");
    type("12a");
    EXPECT_EQ(sheet.Settings().Interval, 12);
    type("99999");
    EXPECT_EQ(view.Text(numAS_Delay), "86400");
    EXPECT_FALSE(sheet.OnIntervalArrows(0, 60));
    EXPECT_EQ(sheet.Settings().Interval, 86400);
    sheet.OnIntervalArrows(0, -60);
    EXPECT_EQ(view.Text(numAS_Delay), "86340");

    files.AddFile("C:\\Q\\Quillon.exe", "");
    files.SetLastWriteLocalTime("C:\\Q\\Quillon.exe", {2000, 10, 20, 13, 44, 38, 0, 5});
    sheet.OnControl({btnASTyeDetect, TControlEventKind::Click}, "C:\\Q\\Quillon.exe");
    EXPECT_TRUE(view.Checked(rbASType_Old) && !view.Checked(rbASType_New));
    view.SetChecked(rbAS_E_ON, false);
    EXPECT_EQ(sheet.Settings().AtAppStart, 0);
    EXPECT_FALSE(sheet.Settings().SaveType);
}

}  // namespace
}  // namespace wyndrel::dialogs
