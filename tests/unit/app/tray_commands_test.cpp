// The tray icon's menus and commands on a fake main window, files, settings and user interface.
#include "app/main_window.h"
#include "app/main_window_ids.h"
#include "app/tray_commands.h"
#include "fakes/fake_open_forms.h"
#include "fakes/fake_user_interface.h"
#include "settings/setting_keys.h"
#include "unit/app/main_window_rig.h"

#include <gtest/gtest.h>

namespace wyndrel::app {
namespace {

using widgets::TMouseButton;

// The editors the tray's entries start, as what they would start.
class TRecordingStarter : public layout::IEditorStarter {
public:
    explicit TRecordingStarter(std::vector<std::string>& ran) : FRan(ran) {}
    void OpenFileInEditor(const std::string& path) override { FRan.push_back("open " + path); }
    void StartNewEditor(int type) override { FRan.push_back("new " + std::to_string(type)); }

private:
    std::vector<std::string>& FRan;
};

class TNoRestore : public ILayoutRestore {
public:
    void RestoreLayout(const std::string&) override {}
};

class TrayCommands : public ::testing::Test, protected TMainWindowRig {
protected:
    TrayCommands() { RegisterOtherCommands(); }
    void Create(const std::string& settings) {
        Files.AddFile(IniPath, settings);
        Form.FormCreate();
        Commands.BuildFavoritesMenu();
    }
    // Stand-ins for the commands that other parts of the program register.
    void RegisterOtherCommands() {
        Table.Add(ids::pmScatter,
                  [this] { Ran.push_back(Form.MenuShowing() ? "scatter in menu" : "scatter"); });
        // The tray menu opened while the dialog is open shows its entry disabled.
        Table.Add(ids::pmOption, [this] {
            RightClick();
            Ran.push_back(LastPopup().Find(ids::pmOption)->Enabled ? "on" : "off");
        });
        Table.Add(ids::pmAbout, [this] { Ran.push_back("about"); });
        Table.Add(ids::pmPutInOrder, [this] { Ran.push_back("put in order"); });
    }
    void RightClick() { Tray.DoMouseDown(TMouseButton::mbRight, widgets::ssRight, 0, 0); }
    void LeftClick() { Tray.DoMouseDown(TMouseButton::mbLeft, widgets::ssLeft, 0, 0); }
    // The texts of the message dialogs shown, in order.
    std::vector<std::string> Dialogs() const {
        std::vector<std::string> texts;
        for (const auto& event : Ui.Events())
            if (event.Kind == fakes::TUiEvent::TKind::Dialog) texts.push_back(event.Text);
        return texts;
    }
    const ui::TMenuModel& LastPopup() const { return View.Popups().back().Menu; }
    std::vector<std::string> Captions(const std::vector<ui::TMenuItem>& items) const {
        std::vector<std::string> captions;
        for (const auto& item : items)
            if (item.Visible) captions.push_back(item.Separator ? "-" : item.Caption);
        return captions;
    }

    const layout::TEditorPath EditorPath{"C:\\Quillon\\Quillon.exe"};
    const std::string LastSessionPath = "C:\\Tools\\LastSession.qdl";
    fakes::TFakeUserInterface Ui;
    fakes::TFakeOpenForms OpenForms;
    fakes::TFakeHelpViewer Help;
    std::vector<std::string> Ran;
    TRecordingStarter Editors{Ran};
    TNoRestore Restore;
    TfrmWyndrel Form{{View, Frame, Process, Files, Ini, Timer, Restore, TrayTimer},
                     Tray,
                     Grad,
                     Table,
                     HelpFiles,
                     SnapshotPath};
    TTrayCommands Commands{
        {Form, View, Frame, Files, Ini, Ui, Timer, OpenForms, Help, Editors, WindowId{77}},
        {HelpFiles, "C:\\Tools\\VOREZUVA.KTDK", EditorPath, LastSessionPath},
        Tray};
};

TEST_F(TrayCommands, TheTrayMenuHoldsEveryEntryInOrderWithTheNewEditorTags) {
    Create("");
    RightClick();
    ASSERT_EQ(View.Popups().size(), 1u);
    EXPECT_EQ(View.Popups()[0].At, Frame.Cursor);
    const ui::TMenuModel& menu = LastPopup();
    EXPECT_EQ(
        Captions(menu.Items),
        (std::vector<std::string>{"新規Quillon(&N)", "表示モード(&M)", "自動保存(&U)", "表示(&V)",
                                  "-", "散らかす(&/)", "お片づけ(&\\)", "開く(&O)", "保存(&S)",
                                  "前回のセッションを復元(&L)", "-", "終了(&X)"}));
    EXPECT_EQ(
        Captions(menu.Items[0].Items),
        (std::vector<std::string>{"標準(&N)", "HTML(&H)", "Perl(&P)", "INI(&I)", "BAT(&B)",
                                  "C/C++(&C)", "Java(&J)", "VB(&V)", "HSP(&S)", "Delphi(&D)"}));
    for (int tag = 0; tag < 10; ++tag)
        EXPECT_EQ(menu.Items[0].Items[static_cast<std::size_t>(tag)].Tag, tag);
    EXPECT_EQ(Captions(menu.Items[1].Items),
              (std::vector<std::string>{"通常化(&N)", "水平化(&H)", "垂直化(&V)", "アイコン化(&I)",
                                        "-", "最前面(&T)", "最小化(&M)"}));
    EXPECT_EQ(Captions(menu.Items[2].Items),
              (std::vector<std::string>{"有効にする(&E)", "間隔設定(&I)", "直ちに自動保存(&S)",
                                        "自動保存リスト編集(&L)", "自動保存設定(&O)"}));
    EXPECT_EQ(Captions(menu.Items[3].Items),
              (std::vector<std::string>{"ウィンドウ(&W)", "各種設定(&C)", "バージョン情報(&A)",
                                        "現状表示(&S)"}));

    View.ChoosePopupEntry(ids::pmBHtml);
    RightClick();
    View.ChoosePopupEntry(ids::pmBDelphi);
    RightClick();
    EXPECT_EQ(Ran, (std::vector<std::string>{"new 1", "new 9"}));
}

TEST_F(TrayCommands, TheTrayMenuShowsTheWindowTimerSnapshotMostTopAndHelpStatesOfTheMoment) {
    Create("[Option]\r\nIsMostTop=False\r\n");
    View.Hide();
    RightClick();
    const ui::TMenuModel& hidden = LastPopup();
    EXPECT_FALSE(hidden.Find(ids::pmShowWindow)->Checked);
    EXPECT_FALSE(hidden.Find(ids::pmMinimize)->Enabled);
    EXPECT_FALSE(hidden.Find(ids::pmPutInOrder)->Enabled);
    EXPECT_FALSE(hidden.Find(ids::pmASEnable)->Checked);
    EXPECT_FALSE(hidden.Find(ids::pmVMostTop)->Checked);
    EXPECT_FALSE(hidden.Find(ids::pmHelp)->Visible);
    EXPECT_FALSE(hidden.Find(ids::pmLastSession)->Enabled);

    View.Show();
    Frame.Minimized = true;
    Files.AddFile("C:\\Tools\\VOREZUVA.KTDK", "[QuillonLayoutFile]\r\n");
    Files.AddFile("C:\\Tools\\wyndrel.html", "");  // the manual alone brings the help entry
    Files.AddFile(LastSessionPath,
                  "[QuillonLayoutFile]\r\nFile=C:\\a.txt\r\nCurs=0\r\nRect=0,0,9,9\r\n");
    Timer.Start(1000);
    Form.SetMostTop(true);
    View.ChoosePopupEntry(ids::pmHelp);
    RightClick();
    const ui::TMenuModel& shown = LastPopup();
    EXPECT_TRUE(shown.Find(ids::pmShowWindow)->Checked);
    EXPECT_TRUE(shown.Find(ids::pmMinimize)->Enabled);
    EXPECT_TRUE(shown.Find(ids::pmMinimize)->Checked);
    EXPECT_TRUE(shown.Find(ids::pmPutInOrder)->Enabled);
    EXPECT_TRUE(shown.Find(ids::pmASEnable)->Checked);
    EXPECT_TRUE(shown.Find(ids::pmVMostTop)->Checked);
    EXPECT_TRUE(shown.Find(ids::pmHelp)->Visible);
    EXPECT_TRUE(shown.Find(ids::pmLastSession)->Enabled);
    EXPECT_EQ(Help.Shown, std::vector<std::string>{"C:\\Tools\\wyndrel.html"});
}

TEST_F(TrayCommands, MenusOpenOnlyWithTheFlagSetAndTheirCommandsRunAfterTheyClose) {
    Create("");
    std::vector<bool> flagDuringPopup;
    View.DuringPopup = [&] { flagDuringPopup.push_back(Form.MenuShowing()); };
    View.ChoosePopupEntry(ids::pmScatter);
    RightClick();
    LeftClick();
    Tray.DoMouseDown(TMouseButton::mbMiddle, 0, 0, 0);
    EXPECT_EQ(flagDuringPopup, (std::vector<bool>{true, true}));
    EXPECT_EQ(Ran, std::vector<std::string>{"scatter"});
    EXPECT_EQ(LastPopup().Items[0].Caption, "お気に入りを追加する(&A)");

    // The bar's right click opens the same menu.
    Form.SetViewMode(TViewMode::Vertical);
    Grad.MouseUp(TMouseButton::mbRight, 0, 4, 4);
    EXPECT_EQ(View.Popups().size(), 3u);
    EXPECT_EQ(LastPopup().Items[0].Caption, "新規Quillon(&N)");

    View.DuringPopup = [] { throw std::runtime_error("menu failed"); };
    EXPECT_THROW(RightClick(), std::runtime_error);
    EXPECT_FALSE(Form.MenuShowing());
}

TEST_F(TrayCommands, AnOpenOptionsDialogOrEditorListTakesTheClickButTheAboutWindowDoesNot) {
    Create("");
    OpenForms.Forms = {{"frmVerInfo", WindowId{5}}};
    RightClick();
    EXPECT_EQ(View.Popups().size(), 1u);

    OpenForms.Forms = {
        {"frmVerInfo", WindowId{5}}, {"frmQuillonList", WindowId{6}}, {"dlgOption", WindowId{7}}};
    RightClick();
    LeftClick();
    View.Hide();
    Tray.DoDblClick(TMouseButton::mbLeft);
    EXPECT_EQ(View.Popups().size(), 1u);
    EXPECT_FALSE(View.Visible(ui::FormId));
    EXPECT_EQ(OpenForms.Focused, (std::vector<WindowId>{WindowId{6}, WindowId{6}, WindowId{6}}));

    OpenForms.Forms.clear();
    Tray.DoDblClick(TMouseButton::mbRight);
    EXPECT_FALSE(View.Visible(ui::FormId));
    Tray.DoDblClick(TMouseButton::mbLeft);
    EXPECT_TRUE(View.Visible(ui::FormId));
}

TEST_F(TrayCommands,
       ANotificationAreaMadeAgainWhileTheWindowIsHiddenGetsTheIconBackAndItsDoubleClickShows) {
    Create("");
    View.Show();
    Form.OnControl({ids::mpCVIcon});
    ASSERT_FALSE(View.Visible(ui::FormId));
    Area.Recreate();  // the shell started again: its icons are gone until they are added anew
    ASSERT_EQ(Area.Icons().count(Tray.IconID()), 1u);
    EXPECT_EQ(Area.Calls().back().Kind, fakes::TNotifyCall::TKind::Add);
    Area.Click(Tray.IconID(), widgets::TrayLButtonDblClk, {5, 5});
    EXPECT_TRUE(View.Visible(ui::FormId));
    EXPECT_TRUE(View.Popups().empty());
}

TEST_F(TrayCommands, WindowEntriesToggleTheShapeMostTopVisibilityAndQuit) {
    Create("[Option]\r\nIsMostTop=False\r\n");
    for (int id : {ids::pmVHorz, ids::pmVMostTop, ids::pmMinimize, ids::pmShowWindow}) {
        View.ChoosePopupEntry(id);
        RightClick();
    }
    EXPECT_EQ(Form.ViewMode(), TViewMode::Horizontal);
    EXPECT_TRUE(Form.MostTop());
    EXPECT_TRUE(Frame.Minimized);
    EXPECT_FALSE(View.Visible(ui::FormId));
    View.ChoosePopupEntry(ids::pmOption);
    RightClick();
    View.ChoosePopupEntry(ids::pmQuit);
    RightClick();
    EXPECT_EQ(Ran,
              std::vector<std::string>{"off"});  // the entry is disabled while the dialog is open
    EXPECT_TRUE(LastPopup().Find(ids::pmOption)->Enabled);
    EXPECT_TRUE(Frame.QuitSent);
}

TEST_F(TrayCommands, FavouritesAreBuiltFromTheSettingsAndOpenExactlyTheirPath) {
    Create("");
    LeftClick();
    EXPECT_EQ(
        Captions(LastPopup().Items),
        (std::vector<std::string>{"お気に入りを追加する(&A)", "-", "(お気に入りはありません)"}));
    EXPECT_FALSE(LastPopup().Find(ids::pmF_None)->Enabled);

    Create("[Favorites]\r\nItemCount=3\r\nFile0=C:\\Docs\\R&D.txt\r\nFile2=C:\\Docs\\gone.txt\r\n");
    Files.AddFile("C:\\Docs\\R&D.txt", "");
    EXPECT_EQ(Commands.Favorites().Count(), 3);
    View.ChoosePopupEntry(ids::FavoriteFirstId);
    LeftClick();
    EXPECT_EQ(Captions(LastPopup().Items),
              (std::vector<std::string>{"お気に入りを追加する(&A)", "-", "C:\\Docs\\R&D.txt", "",
                                        "C:\\Docs\\gone.txt"}));
    EXPECT_TRUE(LastPopup().Items[2 + 1].Literal);
    View.ChoosePopupEntry(ids::FavoriteFirstId + 1);
    LeftClick();
    View.ChoosePopupEntry(ids::FavoriteFirstId + 2);
    LeftClick();
    EXPECT_EQ(Ran, std::vector<std::string>{"open C:\\Docs\\R&D.txt"});
    ASSERT_EQ(Ui.Messages().size(), 2u);
    EXPECT_EQ(Ui.Messages()[0].Text,
              "お気に入りに登録されたファイル\r\n\r\nは存在しません。「設定」の「お気に入り」で存在"
              "チェックをしてください");
    EXPECT_EQ(Ui.Messages()[1].Text,
              "お気に入りに登録されたファイル\r\nC:\\Docs\\gone.txt\r\nは存在しません。"
              "「設定」の「お気に入り」で存在チェックをしてください");
    EXPECT_EQ(Ui.Messages()[1].DialogType, TDialogType::Warning);

    Commands.ReplaceFavorites({});
    EXPECT_TRUE(Commands.Favorites().Model().Find(ids::pmF_None)->Visible);
}

TEST_F(TrayCommands,
       AFavouriteWhosePathNoFileCanHaveGoesToTheLauncherWhichRefusesItNotToTheMissingFileWarning) {
    Create("[Favorites]\r\nItemCount=1\r\nFile0=C:\\Docs\\a|b.txt\r\n");
    View.ChoosePopupEntry(ids::FavoriteFirstId);
    LeftClick();
    EXPECT_EQ(Ran, std::vector<std::string>{"open C:\\Docs\\a|b.txt"});
    EXPECT_TRUE(Ui.Messages().empty());
}

TEST_F(TrayCommands, AFavouritesCountBeyondAnyListIsReadOnlyUpToTheLimitAndOneUpTo1024Whole) {
    Create("[Favorites]\r\nItemCount=2000000000\r\nFile0=C:\\a.txt\r\n");
    ASSERT_EQ(Commands.Favorites().Count(), settings::keys::FavoritesReadLimit);
    EXPECT_EQ(Commands.Favorites().Paths().front(), "C:\\a.txt");
    EXPECT_EQ(Commands.Favorites().Paths().back(), "");
    Create("[Favorites]\r\nItemCount=1024\r\nFile1023=C:\\last.txt\r\n");
    ASSERT_EQ(Commands.Favorites().Count(), 1024);
    EXPECT_EQ(Commands.Favorites().Paths().back(), "C:\\last.txt");
}

TEST_F(TrayCommands, AddingAFavouriteAsksForAFileRefusesTheSameSpellingAndStoresOneKey) {
    Create("[Favorites]\r\nItemCount=1\r\nFile0=C:\\Docs\\a.txt\r\nFile5=kept\r\n");
    Files.AddFile("C:\\Quillon\\Quillon.ini", "[Option]\r\nJavaDocFilter=*.jav\r\n");
    Files.AddFile("C:\\Docs\\Report.TXT", "");
    Files.AddFile("C:\\Docs\\A.txt", "");
    std::vector<bool> addEnabled;
    Ui.DuringFileDialog = [&] {
        addEnabled.push_back(Commands.Favorites().Model().Find(ids::pmFav_Add)->Enabled);
    };
    Ui.ChooseFile(std::nullopt);
    Ui.ChooseFile("C:\\Docs\\a.txt");
    Ui.ChooseFile("C:\\docs\\report.txt");
    for (int i = 0; i < 3; ++i) {
        View.ChoosePopupEntry(ids::pmFav_Add);
        LeftClick();
    }
    EXPECT_EQ(addEnabled, (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(Commands.Favorites().Model().Find(ids::pmFav_Add)->Enabled);
    const TFileDialog& dialog = Ui.Events().front().File;
    EXPECT_EQ(dialog.Title, "お気に入りに追加するファイルを参照");
    EXPECT_EQ(dialog.Filter,
              "ユーザー(*.txt;*.htm;*.html;*.cgi;*.pl)|*.txt;*.htm;*.html;*.cgi;*.pl|HTMLファイル(*"
              ".htm;*.html;*.asp)|"
              "*.htm;*.html;*.asp|Perlファイル(*.html;*.htm)|*.html;*.htm|INIファイル(*.cgi;*.pl)|*"
              ".cgi;*.pl|"
              "BATファイル(*.ini;*.inf;*.url)|*.ini;*.inf;*.url|C/"
              "C++ファイル(*.c;*.cpp;*.h)|*.c;*.cpp;*.h|"
              "JAVAファイル(*.jav)|*.jav|VBファイル(*.frm;*.bas;*.cls)|*.frm;*.bas;*.cls|"
              "HSPファイル(*.as)|*.as|"
              "Delphiファイル(*.pas;*.dpr)|*.pas;*.dpr|全てのファイル(*.*)|*.*");
    EXPECT_EQ(dialog.DefaultExtension, "txt");
    EXPECT_TRUE(dialog.FileMustExist && dialog.ShortcutsAsFiles);
    EXPECT_EQ(dialog.Owner, WindowId{77});
    // The second choice is stored as C:\Docs\A.txt, which differs from the entry in case only.
    EXPECT_EQ(
        Commands.Favorites().Paths(),
        (std::vector<std::string>{"C:\\Docs\\a.txt", "C:\\Docs\\A.txt", "C:\\Docs\\Report.TXT"}));
    EXPECT_EQ(Files.Content(IniPath),
              "[Favorites]\r\nItemCount=3\r\nFile0=C:\\Docs\\a.txt\r\nFile5=kept\r\n"
              "File1=C:\\Docs\\A.txt\r\nFile2=C:\\Docs\\Report.TXT\r\n");
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(Ran.empty());

    Ui.ChooseFile("C:\\Docs\\Report.TXT");
    View.ChoosePopupEntry(ids::pmFav_Add);
    LeftClick();
    EXPECT_EQ(Dialogs(), std::vector<std::string>{"すでに登録されている模様です"});
    EXPECT_EQ(Commands.Favorites().Count(), 3);
}

TEST_F(TrayCommands, AnAddedFavouriteOpensWhenAskedAndAPathTheSettingsCannotHoldIsNotCounted) {
    Create("[Option]\r\nAddFavMenuOpen=True\r\n");
    Files.AddFile("C:\\Docs\\b.txt", "");
    Files.AddFile("C:\\Docs\\\xE2\x98\x83.txt", "");
    Files.DeclareUnfitCharacters({"\xE2\x98\x83"});
    Ui.SetApplicationTitle("お気に入り追加中");
    Ui.ChooseFile("C:\\Docs\\b.txt");
    Commands.pmFav_AddClick();
    EXPECT_EQ(Ran, std::vector<std::string>{"open C:\\Docs\\b.txt"});
    EXPECT_EQ(Ui.ApplicationTitle(), "Wyndrel");
    EXPECT_FALSE(Commands.Favorites().Model().Find(ids::pmF_None)->Visible);

    Ui.ChooseFile("C:\\Docs\\\xE2\x98\x83.txt");
    Commands.pmFav_AddClick();
    ASSERT_EQ(Dialogs().size(), 1u);
    EXPECT_EQ(Ui.Events().back().DialogType, TDialogType::Error);
    EXPECT_EQ(Commands.Favorites().Count(), 1);
    EXPECT_EQ(Ini.ReadIniInteger("Favorites", "ItemCount", -1), 1);
}

}  // namespace
}  // namespace wyndrel::app
