// The options dialog on the fake view and the in-memory platform: its frame and sheets,
// what it loads and stores, OK's questions and checks, Cancel, the sheets' buttons, the
// wheel on up-downs and its place over the main window.
#include "dialogs/option_dialog.h"
#include "dialogs/option_form.h"
#include "dialogs/option_ids.h"
#include "dialogs/option_sheet_ids.h"
#include "fakes/fake_files.h"
#include "fakes/fake_open_forms.h"
#include "fakes/fake_user_registry.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_user_interface.h"
#include "fakes/fake_view.h"
#include "settings/setting_keys.h"

#include <gtest/gtest.h>

namespace wyndrel::dialogs {
namespace {

using namespace option_ids;
using ui::TControlEventKind;

constexpr const char* IniPath = "C:\\Tools\\wyndrel.ini";
constexpr const char* Editor = "C:\\Quillon\\Quillon.exe";

class OptionDialog : public ::testing::Test {
protected:
    OptionDialog() {
        Ini.IniFileName = IniPath;
        Files.AddFolder("C:\\Tools");
        Files.AddFile(Editor, "");
        Timer.Start(1800000);
    }
    void Settings(const std::string& text) { Files.AddFile(IniPath, text); }
    std::string SettingsText() const { return Files.Content(IniPath); }
    TdlgOption& Open() {
        TOptionPorts ports{Ini,
                           Ui,
                           Files,
                           Timer,
                           EditorPath,
                           THelpFiles::Beside("C:\\Tools\\wyndrel.exe"),
                           [this] { return Owner; },
                           [this] { return Monitors; },
                           [this] { Log.push_back("activate"); },
                           [this] { Log.push_back("deactivate"); },
                           [this] { return Found; },
                           Help,
                           StartWithWindows,
                           std::nullopt};
        Dialog.emplace(View, std::move(ports));
        Dialog->SaveFavorites = [this] {
            Log.push_back("save favourites");
            Dialog->SetFavoritesChanged(false);
            return true;
        };
        Dialog->SaveAutoSaveList = [this] {
            Log.push_back("save auto-save list " + SettingsText());
            return true;
        };
        Dialog->OnShow();
        return *Dialog;
    }
    void Click(int id) { Dialog->OnControl({id, TControlEventKind::Click}); }
    void SelectSheet(int index) {
        View.SetSelection(PageCtrl, index);
        Dialog->OnControl({PageCtrl, TControlEventKind::SelectionChange});
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& message : Ui.Messages()) texts.push_back(message.Text);
        return texts;
    }

    fakes::TFakeFiles Files;
    fakes::TFakeUserInterface Ui;
    fakes::TFakeTimer Timer;
    settings::TIniAccess Ini{Files};
    fakes::TFakeView View{OptionForm()};
    layout::TEditorPath EditorPath{Editor};
    std::optional<Rect> Owner = Rect{100, 200, 244, 319};
    std::vector<TMonitor> Monitors{{{0, 0, 1024, 768}, {0, 0, 1024, 738}}};
    std::string Found;
    fakes::TFakeHelpViewer Help;
    fakes::TFakeUserRegistry Registry;
    TStartWithWindows StartWithWindows{Registry, "C:\\Tools\\wyndrel.exe"};
    std::vector<std::string> Log;
    std::optional<TdlgOption> Dialog;
};

TEST_F(OptionDialog,
       FrameShowsSixSheetsSizedChoicesTheHelpButtonOnlyWithItsFileAndTheTitleColoursAround) {
    const ui::TFormSpec& form = OptionForm();
    EXPECT_EQ(form.Caption, "設定");
    EXPECT_EQ(form.ClientWidth, 391);
    EXPECT_EQ(form.ClientHeight, 378);
    Open();
    EXPECT_EQ(View.Control(PageCtrl).Items,
              (std::vector<std::string>{"一般", "起動時", "保存時", "お気に入り", "自動保存1",
                                        "自動保存2"}));
    EXPECT_FALSE(View.Visible(btnHelp));
    EXPECT_TRUE(form.Find(btnHelp)->Font.Bold);
    EXPECT_TRUE(form.Find(btnOK)->Has(ui::DefaultButton));
    EXPECT_TRUE(form.Find(btnCancel)->Has(ui::CancelButton));
    // "最前面表示(&M)": 5 wide and 4 narrow characters, and the box.
    EXPECT_EQ(View.Bounds(chkIsMostTop).Width(), 5 * 12 + 4 * 6 + 18);
    EXPECT_EQ(View.Bounds(rbPosAuto).Width(), 3 * 12 + 4 * 6 + 16);
    EXPECT_EQ(Log, (std::vector<std::string>{"deactivate"}));
    EXPECT_FALSE(Ui.BusyCursor());

    Click(btnCancel);
    Dialog.reset();
    EXPECT_EQ(Log, (std::vector<std::string>{"deactivate", "activate", "activate"}));
    Files.AddFile("C:\\Tools\\wyndrel.html", "");  // the manual alone brings the button
    Open();
    EXPECT_TRUE(View.Visible(btnHelp));
}

TEST_F(OptionDialog,
       HelpOpensTheManualWithoutAHelpFileAndAsksTheHelpFileForTheTopicOfTheSheetShown) {
    const std::string manual = "C:\\Tools\\wyndrel.html";
    Files.AddFile(manual, "");
    Open();
    SelectSheet(SheetFavorites);
    Click(btnHelp);
    EXPECT_EQ(Help.Shown, std::vector<std::string>{manual});
    EXPECT_TRUE(Help.Topics.empty());
    EXPECT_FALSE(View.Closed());
    Click(btnCancel);
    Dialog.reset();
    Help.Shown.clear();

    const std::string help = "C:\\Tools\\wyndrel.hlp";
    Files.AddFile(help, "");
    Open();
    SelectSheet(SheetGeneral);
    Click(btnHelp);
    SelectSheet(SheetFavorites);
    Click(btnHelp);
    SelectSheet(SheetAutoSaveSettings);
    Click(btnHelp);
    EXPECT_EQ(Help.Topics,
              (std::vector<std::pair<std::string, int>>{{help, 21}, {help, 24}, {help, 26}}));
    EXPECT_TRUE(Help.Shown.empty());
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

bool Within(const Rect& inner, const Rect& outer) {
    return inner.Left >= outer.Left && inner.Right <= outer.Right && inner.Top >= outer.Top &&
           inner.Bottom <= outer.Bottom;
}

// Checked on the tables at 96 DPI; the platform scales every rectangle alike. The page control's
// tabs end at y 27.
TEST(OptionSheetsLayout, KeepEveryControlInsideThePageAndApartFromTheOthersButItsGroupBox) {
    const Rect page{SheetLeft, 28, SheetRight, GeneralSheetBottom};
    for (const TOptionSheetSpec& sheet : OptionSheets()) {
        for (const ui::TControlSpec& a : sheet.Controls) {
            EXPECT_TRUE(Within(a.Bounds, page)) << a.Name;
            for (const ui::TControlSpec& b : sheet.Controls) {
                if (&a == &b || !Overlap(a.Bounds, b.Bounds)) continue;
                // Only a group box and the controls wholly inside it, or the check box that is the
                // caption of a group box without one, may share pixels.
                const auto holds = [](const ui::TControlSpec& group,
                                      const ui::TControlSpec& inner) {
                    const Rect& g = group.Bounds;
                    const bool caption = group.Caption.empty() && inner.Bounds.Top <= g.Top &&
                                         inner.Bounds.Bottom > g.Top &&
                                         Within(inner.Bounds, {g.Left, 0, g.Right, g.Bottom});
                    return group.Kind == ui::TControlKind::GroupBox &&
                           (Within(inner.Bounds, g) || caption);
                };
                EXPECT_TRUE(holds(a, b) || holds(b, a)) << a.Name << " overlaps " << b.Name;
            }
        }
    }
}

TEST_F(OptionDialog, LoadsEveryControlFromItsKeyAndHoldsTheOtherSheetsValues) {
    Settings(
        "[Option]\r\nQuilPath=D:\\Q\\Quillon.exe\r\nCloseNoExit=True\r\nIsMostTop=NO\r\n"
        "IsFileNameDateTime=yy-mm\r\nUseDefFileName=1\r\nLastSheet=1\r\nUserLeft=1280\r\nUserTop=-"
        "5\r\n"
        "UserWindowMode=3\r\nStartWindowPosType=2\r\nIsIconic=True\r\nIsGetFocusOnStart=yes\r\n"
        "IsMinimizedOnStart=False\r\nIsUseDelay=True\r\nDeleyWaitTime=2500\r\nAddFavMenuOpen="
        "True\r\n"
        "[Favorites]\r\nItemCount=2\r\nFile0=C:\\a.txt\r\n"
        "[AutoSave]\r\nFileCount=1\r\nFile0=C:\\b.txt\r\nInterval=60\r\nAtAppStart="
        "2\r\nForAllFiles=True\r\n"
        "SaveType=True\r\n");
    Open();
    EXPECT_EQ(View.Text(txtQuilPath), "D:\\Q\\Quillon.exe");
    EXPECT_TRUE(View.Checked(chkCloseNoExit));
    EXPECT_FALSE(View.Checked(chkIsMostTop));
    EXPECT_TRUE(View.Checked(chkAddFavMenuOpen));
    EXPECT_EQ(View.Selection(PageCtrl), SheetStartup);
    EXPECT_TRUE(View.Visible(numLeft));
    EXPECT_FALSE(View.Visible(txtQuilPath));
    EXPECT_EQ(View.Text(numLeft), "1280");
    EXPECT_EQ(View.Position(udLeft), 1280);
    EXPECT_EQ(View.Text(numTop), "-5");  // outside the arrows' range, kept whole in the box
    EXPECT_EQ(View.Position(udTop), 0);
    EXPECT_TRUE(View.Checked(rbModeVert) && !View.Checked(rbModeLast));
    EXPECT_TRUE(View.Checked(rbPosUser) && !View.Checked(rbPosLast));
    EXPECT_TRUE(View.Checked(chkIsIconic) && View.Checked(chkIsActivate) &&
                !View.Checked(chkIsMinimizeOnStart));
    EXPECT_TRUE(View.Checked(chkUseDelay) && View.Enabled(numDelay) && View.Enabled(udDelay));
    EXPECT_EQ(View.Text(numDelay), "2500");
    EXPECT_EQ(View.Position(udDelay), 2500);
    const THeldSheetValues& held = Dialog->Held();
    EXPECT_EQ(held.FileDef, "yy-mm");
    EXPECT_TRUE(held.UseDefFileName);
    EXPECT_EQ(held.Favorites, (std::vector<std::string>{"C:\\a.txt", "Read Error - 1"}));
    EXPECT_EQ(held.AutoSaveFiles, (std::vector<std::string>{"C:\\b.txt"}));
    EXPECT_EQ(held.Interval, 60);
    EXPECT_EQ(held.AtAppStart, 2);
    EXPECT_TRUE(held.ForAllFiles && held.SaveType);
}

TEST_F(OptionDialog, ListsAFavouritesCountBeyondAnyListOnlyUpToTheLimit) {
    Settings("[Favorites]\r\nItemCount=2000000000\r\nFile1=C:\\b.txt\r\n");
    Open();
    const std::vector<std::string>& favorites = Dialog->Held().Favorites;
    ASSERT_EQ(favorites.size(), static_cast<std::size_t>(settings::keys::FavoritesReadLimit));
    EXPECT_EQ(favorites[1], "C:\\b.txt");
    EXPECT_EQ(favorites.back(),
              "Read Error - " + std::to_string(settings::keys::FavoritesReadLimit - 1));
}

TEST_F(OptionDialog, LoadsDefaultsFromAnEmptyFileAndTreatsUnknownChoicesAsTheFirst) {
    Settings(
        "[Option]\r\nUserWindowMode=7\r\nStartWindowPosType=-1\r\nLastSheet=-1\r\nDeleyWaitTime="
        "12abc\r\n");
    Open();
    EXPECT_EQ(View.Text(txtQuilPath), Editor);
    EXPECT_TRUE(View.Checked(chkIsMostTop));
    EXPECT_EQ(View.Selection(PageCtrl), SheetGeneral);
    EXPECT_EQ(View.Text(numLeft), "100");  // the main window's edges
    EXPECT_EQ(View.Text(numTop), "200");
    EXPECT_TRUE(View.Checked(rbModeLast) && View.Checked(rbPosLast));
    EXPECT_FALSE(View.Enabled(numDelay) || View.Enabled(udDelay));
    EXPECT_EQ(View.Text(numDelay), "1000");
    EXPECT_EQ(Dialog->Held().Interval, 1800);
    EXPECT_NE(SettingsText().find("LastSheet=-1"), std::string::npos);  // nothing written
}

TEST_F(OptionDialog,
       ResetsALastSheetBeyondTheSheetsOrReportsThatItCannotAndKeepsTheRestAsDesigned) {
    Settings("[Option]\r\nLastSheet=6\r\nUserLeft=300\r\n");
    Open();
    EXPECT_EQ(View.Selection(PageCtrl), SheetGeneral);
    EXPECT_NE(SettingsText().find("LastSheet=0\r\n"), std::string::npos);
    Click(btnCancel);

    Settings(
        "[Option]\r\nLastSheet=9\r\nUserLeft=300\r\nStartWindowPosType=3\r\nCloseNoExit=True\r\n");
    Files.FailWritesWithDiskFull(true);
    View = fakes::TFakeView(OptionForm());
    Open();
    EXPECT_EQ(Texts(), (std::vector<std::string>{std::string(IniPath) + " に書き込めません"}));
    EXPECT_TRUE(View.Checked(chkCloseNoExit));  // loaded before the sheet
    EXPECT_EQ(View.Text(numLeft), "0");
    EXPECT_TRUE(View.Checked(rbPosLast));
}

TEST_F(OptionDialog, OkAsksAboutChangedListsInOrderAndHonoursEveryAnswer) {
    Settings("[Option]\r\nCloseNoExit=False\r\n");
    Open();
    Dialog->SetFavoritesChanged(true);
    Dialog->SetAutoSaveChanged(true);
    Ui.Answer(TBoxAnswer::Cancel);
    Click(btnOK);
    EXPECT_EQ(Texts(), (std::vector<std::string>{SaveFavoritesQuestion}));
    EXPECT_EQ(Ui.Messages()[0].DialogType, TDialogType::Confirmation);
    EXPECT_EQ(Ui.Messages()[0].Buttons, TBoxButtons::YesNoCancel);
    EXPECT_FALSE(View.Closed());

    // No to the favourites keeps them unsaved and asked again; Cancel to the list stops.
    Ui.Answer(TBoxAnswer::No);
    Ui.Answer(TBoxAnswer::Cancel);
    Click(btnOK);
    EXPECT_EQ(Texts().back(), SaveAutoSaveQuestion);
    EXPECT_TRUE(Log.size() == 1 && !View.Closed());
    EXPECT_EQ(SettingsText(), "[Option]\r\nCloseNoExit=False\r\n");

    // Yes saves the favourites at once; No forgets the list's changes for good.
    View.SetText(txtQuilPath, "C:\\missing\\Quillon.exe");
    Ui.Answer(TBoxAnswer::Yes);
    Ui.Answer(TBoxAnswer::No);
    Click(btnOK);
    EXPECT_EQ(Log.back(), "save favourites");
    EXPECT_FALSE(Dialog->FavoritesChanged() || Dialog->AutoSaveChanged());
    View.SetText(txtQuilPath, Editor);
    const std::size_t asked = Texts().size();
    Click(btnOK);
    EXPECT_EQ(Texts().size(), asked);
    EXPECT_TRUE(View.Closed());
    EXPECT_EQ(Log.back(), "activate");
}

TEST_F(OptionDialog, OkSavesAChangedAutoSaveListAfterTheSettingsAndBeforeTheMethod) {
    Open();
    Dialog->SetAutoSaveChanged(true);
    Ui.Answer(TBoxAnswer::Yes);
    Click(btnOK);
    const std::string& saved = Log.at(1);
    EXPECT_NE(saved.find("ForAllFiles=False"), std::string::npos);
    EXPECT_EQ(saved.find("SaveType"), std::string::npos);
    EXPECT_NE(SettingsText().find("SaveType=False"), std::string::npos);
}

TEST_F(OptionDialog, RefusesAnEditorPathThatIsNoFileOrNoQuillonAndKeepsEveryEdit) {
    Files.AddFile("C:\\Q2\\Quillon2.exe", "");
    Files.AddFolder("C:\\Q3\\Quillon.exe");
    Files.AddFile("C:\\q4\\quillon.exe", "");
    Settings("[Option]\r\nCloseNoExit=False\r\n");
    Open();
    View.SetChecked(chkCloseNoExit, true);
    View.SetText(numLeft, "77");
    for (const char* path :
         {"C:\\none\\Quillon.exe", "C:\\Q3\\Quillon.exe", "C:\\Q2\\Quillon2.exe"}) {
        View.SetText(txtQuilPath, path);
        Click(btnOK);
    }
    EXPECT_EQ(
        Texts(),
        (std::vector<std::string>{
            "入力されたQuillonのフルパスは無効です。\r\r入力されたパス：\rC:\\none\\Quillon.exe",
            "入力されたQuillonのフルパスは無効です。\r\r入力されたパス：\rC:\\Q3\\Quillon.exe",
            "入力されたファイル名はQuillonではないようです。\rこのソフトウェアはQuillonにしか対応し"
            "ていません。"
            "\r\r入力されたファイル名：\rC:\\Q2\\Quillon2.exe"}));
    EXPECT_EQ(Ui.Messages()[2].DialogType, TDialogType::Warning);
    EXPECT_FALSE(View.Closed());
    EXPECT_EQ(SettingsText(), "[Option]\r\nCloseNoExit=False\r\n");
    EXPECT_TRUE(View.Checked(chkCloseNoExit));
    EXPECT_EQ(View.Text(numLeft), "77");
    EXPECT_EQ(EditorPath.Path(), Editor);

    View.SetText(txtQuilPath, "C:\\q4\\quillon.exe");
    Click(btnOK);
    EXPECT_TRUE(View.Closed());
    EXPECT_EQ(EditorPath.Path(), "C:\\q4\\quillon.exe");
}

TEST_F(OptionDialog, OkWritesEveryKeyInOrderWithTheNumbersAsTheBoxesShowThem) {
    Open();
    SelectSheet(SheetStartup);
    View.SetText(numLeft, "1,280");  // as the arrows write it
    View.SetText(numTop, "12ab34");
    View.SetText(numDelay, "2500.9");  // leaving the box rounds it to its whole number
    View.SetChecked(rbPosLast, false);
    View.SetChecked(rbPosCenter, true);
    View.SetChecked(rbModeLast, false);
    View.SetChecked(rbModeHorz, true);
    Click(btnOK);
    EXPECT_EQ(
        SettingsText(),
        "[Option]\r\nQuilPath=C:\\Quillon\\Quillon.exe\r\nUseDefFileName="
        "False\r\nIsFileNameDateTime=yyyymmdd\r\n"
        "CloseNoExit=False\r\nIsMostTop=True\r\nRestoreLastSession=1\r\nFollowDisplays="
        "True\r\nLastSheet=1\r\nUserLeft=1280\r\n"
        "UserTop=1234\r\n"
        "UserWindowMode=2\r\nStartWindowPosType=3\r\nIsIconic=False\r\nIsGetFocusOnStart=False\r\n"
        "IsMinimizedOnStart=False\r\nIsUseDelay=False\r\nDeleyWaitTime=2501\r\nAddFavMenuOpen="
        "False\r\n"
        "[AutoSave]\r\nInterval=1800\r\nAtAppStart=0\r\nLastEnable=False\r\nForAllFiles=False\r\n"
        "SaveType=False\r\n");
    EXPECT_EQ(View.Text(numTop), "1234");
}

TEST_F(OptionDialog, OkRestartsTheAutoSaveTimerOnlyWhenTheIntervalChanged) {
    Settings("[AutoSave]\r\nInterval=1800\r\n");
    Open();
    Timer.AdvanceTime(1000000);
    Click(btnOK);
    Timer.AdvanceTime(800000);
    EXPECT_EQ(Timer.Ticks(), 1);  // not restarted

    Settings("[AutoSave]\r\nInterval=60\r\n");
    View = fakes::TFakeView(OptionForm());
    Open();
    Click(btnOK);
    EXPECT_EQ(Timer.Interval(), 60000u);
    Timer.AdvanceTime(59999);
    EXPECT_EQ(Timer.Ticks(), 1);
    Timer.AdvanceTime(1);
    EXPECT_EQ(Timer.Ticks(), 2);

    Settings("[AutoSave]\r\nInterval=2147483647\r\n");
    View = fakes::TFakeView(OptionForm());
    Open();
    Click(btnOK);
    EXPECT_EQ(Timer.Interval(), 2147483647u);  // the platform's longest interval
    EXPECT_NE(SettingsText().find("Interval=2147483647"), std::string::npos);
}

TEST_F(OptionDialog, OkWithoutEditsStoresEveryLoadedKeyBackUnchanged) {
    const std::string settings =
        "[Option]\r\nQuilPath=C:\\Quillon\\Quillon.exe\r\nUseDefFileName="
        "True\r\nIsFileNameDateTime=yyyy\r\n"
        "CloseNoExit=True\r\nIsMostTop=False\r\nRestoreLastSession=2\r\nFollowDisplays="
        "False\r\nLastSheet=1\r\nUserLeft=-40\r\n"
        "UserTop=40000\r\nUserWindowMode=1\r\n"
        "StartWindowPosType=2\r\nIsIconic=True\r\nIsGetFocusOnStart=True\r\nIsMinimizedOnStart="
        "True\r\n"
        "IsUseDelay=True\r\nDeleyWaitTime=99999\r\nAddFavMenuOpen=True\r\n[Favorites]\r\nItemCount="
        "1\r\n"
        "File0=C:\\a.txt\r\n[AutoSave]\r\nFileCount=0\r\nInterval=86400\r\nAtAppStart="
        "1\r\nLastEnable=True\r\n"
        "ForAllFiles=True\r\nSaveType=True\r\n";
    Settings(settings);
    Open();
    Click(btnOK);
    EXPECT_TRUE(View.Closed());
    EXPECT_EQ(SettingsText(), settings);
}

TEST_F(OptionDialog,
       StartingWithWindowsFollowsTheRunValueOfThisProgramAndARefusalKeepsTheDialogOpen) {
    const std::pair<std::string, std::string> run{
        "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Wyndrel"};
    Registry.Values[run] = "\"c:\\tools\\WYNDREL.exe\"";
    Settings("[Option]\r\nRestoreLastSession=5\r\n");
    Open();
    EXPECT_TRUE(View.Checked(chkStartWithWindows));
    EXPECT_TRUE(View.Checked(rbLastSessionAsk));  // out of range: asks
    View.SetChecked(chkStartWithWindows, false);
    View.SetChecked(rbLastSessionAsk, false);
    View.SetChecked(rbLastSessionNone, true);
    Click(btnOK);
    EXPECT_TRUE(Registry.Values.empty());
    EXPECT_NE(SettingsText().find("RestoreLastSession=0\r\n"), std::string::npos);

    // Another copy's value is not this program's: shown cleared and left alone.
    Registry.Values[run] = "D:\\Other\\wyndrel.exe /x";
    View = fakes::TFakeView(OptionForm());
    Open();
    EXPECT_FALSE(View.Checked(chkStartWithWindows));
    Click(btnOK);
    EXPECT_EQ(Registry.Values.at(run), "D:\\Other\\wyndrel.exe /x");

    View = fakes::TFakeView(OptionForm());
    Open();
    SelectSheet(SheetAutoSaveSettings);
    View.SetChecked(chkStartWithWindows, true);
    Registry.Refuse = true;
    Click(btnOK);
    EXPECT_FALSE(View.Closed());
    EXPECT_EQ(
        Texts().back(),
        "Windowsの起動時に起動する設定を変更できませんでした。\r\nアクセスが拒否されました。");
    EXPECT_EQ(View.Selection(PageCtrl), SheetGeneral);
    EXPECT_EQ(View.Focused(), chkStartWithWindows);
    Registry.Refuse = false;
    Click(btnOK);
    EXPECT_EQ(Registry.Values.at(run), "\"C:\\Tools\\wyndrel.exe\"");
}

TEST_F(OptionDialog,
       AnUnreadableSettingsFileShowsTheDefaultsAndOkKeepsItAndTheEditsWithTheWriteError) {
    const std::string settings =
        "[Option]\r\nCloseNoExit=True\r\nDeleyWaitTime=2500\r\n[Favorites]\r\nItemCount=1\r\n";
    Settings(settings);
    Files.MakeUnreadable(IniPath);
    Open();
    EXPECT_FALSE(View.Checked(chkCloseNoExit));
    EXPECT_EQ(View.Text(numDelay), "1000");
    View.SetChecked(chkIsMostTop, false);
    Click(btnOK);
    EXPECT_EQ(Texts(), (std::vector<std::string>{std::string(IniPath) + " に書き込めません"}));
    EXPECT_FALSE(View.Closed());
    EXPECT_FALSE(View.Checked(chkIsMostTop));
    EXPECT_EQ(Files.WriteCount(), 0);

    // Readable again, the same OK stores the edit into the whole file.
    Files.MakeUnreadable(IniPath, false);
    Click(btnOK);
    EXPECT_TRUE(View.Closed());
    EXPECT_NE(SettingsText().find("IsMostTop=False"), std::string::npos);
    EXPECT_NE(SettingsText().find("[Favorites]\r\nItemCount=1\r\n"), std::string::npos);
}

TEST_F(OptionDialog, OkStaysOpenWithTheEditsWhenAWriteOrAListsSaveFailsOnTheWay) {
    const std::string settings = "[Option]\r\nCloseNoExit=False\r\n";
    Settings(settings);
    Open();
    View.SetChecked(chkCloseNoExit, true);
    Files.FailWritesWithDiskFull(true);
    Click(btnOK);
    EXPECT_EQ(Texts(), (std::vector<std::string>{std::string(IniPath) + " に書き込めません"}));
    EXPECT_FALSE(View.Closed());
    EXPECT_EQ(SettingsText(), settings);
    Files.FailWritesWithDiskFull(false);

    // A list whose save failed has told so itself; OK stops there, the list still changed.
    Dialog->SaveFavorites = [] { return false; };
    Dialog->SetFavoritesChanged(true);
    Ui.Answer(TBoxAnswer::Yes);
    Click(btnOK);
    EXPECT_FALSE(View.Closed());
    EXPECT_TRUE(Dialog->FavoritesChanged());
    EXPECT_EQ(SettingsText(), settings);
    Dialog->SetFavoritesChanged(false);
    Dialog->SaveAutoSaveList = [] { return false; };
    Dialog->SetAutoSaveChanged(true);
    Ui.Answer(TBoxAnswer::Yes);
    Click(btnOK);
    EXPECT_FALSE(View.Closed());
    EXPECT_EQ(SettingsText().find("SaveType"), std::string::npos);
    EXPECT_NE(SettingsText().find("CloseNoExit=True"), std::string::npos);
    EXPECT_EQ(Texts().size(), 3u);  // the write error and the two questions
}

TEST_F(OptionDialog, CancelAndTheCloseBoxWriteOnlyTheShownSheet) {
    const std::string settings = "[Option]\r\nLastSheet=0\r\nCloseNoExit=False\r\n";
    Settings(settings);
    Open();
    View.SetChecked(chkCloseNoExit, true);
    SelectSheet(SheetAutoSaveSettings);
    EXPECT_FALSE(View.Visible(txtQuilPath) || View.Visible(numLeft));
    Click(btnCancel);
    EXPECT_TRUE(View.Closed());
    EXPECT_EQ(SettingsText(), "[Option]\r\nLastSheet=5\r\nCloseNoExit=False\r\n");
    EXPECT_TRUE(Ui.Messages().empty());
}

TEST_F(OptionDialog, GeneralSheetDetectsOrBrowsesForTheEditor) {
    Open();
    Click(btnDetect);  // nothing found
    EXPECT_EQ(View.Text(txtQuilPath), Editor);
    Found = "E:\\Tools\\Quillon.exe";
    Click(btnDetect);
    EXPECT_EQ(View.Text(txtQuilPath), Found);

    Ui.ChooseFile(std::nullopt);
    View.SetText(txtQuilPath, "");
    Click(btnBrowse);
    Ui.ChooseFile("F:\\Quillon.exe");
    View.SetText(txtQuilPath, "D:\\Apps\\Q.exe");
    Click(btnBrowse);
    EXPECT_EQ(View.Text(txtQuilPath), "F:\\Quillon.exe");
    const auto& empty = Ui.Events().at(Ui.Events().size() - 2).File;
    const auto& filled = Ui.Events().back().File;
    EXPECT_EQ(empty.InitialFileName, "Quillon.exe");
    EXPECT_EQ(empty.InitialFolder, "");
    EXPECT_EQ(filled.InitialFileName, "D:\\Apps\\Q.exe");
    EXPECT_EQ(filled.InitialFolder, "D:\\Apps\\");
    EXPECT_EQ(filled.Title, "Quillonのパスを設定");
    EXPECT_EQ(filled.Filter, "Quillon(Quillon.exe)|Quillon.exe");
    EXPECT_EQ(filled.DefaultExtension, "exe");
    EXPECT_TRUE(filled.FileMustExist);
}

TEST_F(OptionDialog,
       StartupSheetInsertsTheMainWindowsPlaceKeepsPointsFromThePositionsAndEnablesTheDelay) {
    Settings("[Option]\r\nUserLeft=5\r\nUserTop=6\r\n");
    Open();
    Owner = Rect{321, 654, 400, 700};
    Click(btnInsNowPos);
    EXPECT_EQ(View.Text(numLeft), "321");
    EXPECT_EQ(View.Text(numTop), "654");
    EXPECT_EQ(View.Position(udLeft), 5);
    char32_t point = U'.', digit = U'7', delayPoint = U'.';
    Dialog->OnKeyPress(numLeft, point);
    Dialog->OnKeyPress(numTop, digit);
    Dialog->OnKeyPress(numDelay, delayPoint);
    EXPECT_EQ(std::u32string({point, digit, delayPoint}), (std::u32string{0, U'7', U'.'}));
    View.SetChecked(chkUseDelay, true);
    Click(chkUseDelay);
    EXPECT_TRUE(View.Enabled(numDelay) && View.Enabled(udDelay));
    View.SetChecked(chkUseDelay, false);
    Click(chkUseDelay);
    EXPECT_FALSE(View.Enabled(numDelay) || View.Enabled(udDelay));
}

TEST_F(OptionDialog, WheelStepsTheUpDownOfTheNumberUnderTheMouseBySixtyWithinItsRange) {
    Settings("[Option]\r\nLastSheet=1\r\nUserLeft=32750\r\nUserTop=30\r\n");
    Open();
    const Rect left = View.Bounds(numLeft), top = View.Bounds(udTop), delay = View.Bounds(numDelay);
    EXPECT_TRUE(Dialog->OnMouseWheel({left.Left + 2, left.Top + 2}, 120));
    EXPECT_EQ(View.Position(udLeft), 32767);
    EXPECT_EQ(View.Text(numLeft), "32,767");
    EXPECT_TRUE(Dialog->OnMouseWheel({top.Left + 1, top.Bottom - 1}, -120));
    EXPECT_EQ(View.Text(numTop), "0");
    EXPECT_FALSE(Dialog->OnMouseWheel({delay.Left + 2, delay.Top + 2}, 120));  // disabled
    const Rect group = View.Bounds(GroupBox2), label = View.Bounds(Label3);
    EXPECT_FALSE(Dialog->OnMouseWheel({group.Right - 3, group.Bottom - 3}, 120));
    EXPECT_FALSE(Dialog->OnMouseWheel({label.Left + 1, label.Top + 1}, 120));
    SelectSheet(SheetGeneral);
    EXPECT_FALSE(Dialog->OnMouseWheel({left.Left + 2, left.Top + 2}, 120));
    EXPECT_EQ(View.Position(udLeft), 32767);
}

TEST_F(OptionDialog,
       PlacesItselfCentredOnTheMainWindowInsideItsMonitorsWorkAreaOrSaysTheOwnerIsWrong) {
    Owner = Rect{400, 300, 545, 419};
    Open();
    const Rect self = View.WindowRect();
    EXPECT_EQ(self.Left, 400 + (145 - self.Width()) / 2);  // rounded toward zero
    EXPECT_EQ(self.Top, 300 + (119 - self.Height()) / 2);
    Owner = Rect{-300, 700, -200, 730};
    Dialog.reset();
    Open();
    EXPECT_EQ(View.WindowRect().Left, 0);
    EXPECT_EQ(View.WindowRect().Bottom, 738);
    // On a monitor right of the primary one: inside that monitor's work area.
    Monitors.push_back({{1024, 0, 2304, 1024}, {1024, 0, 2304, 984}});
    Owner = Rect{2200, 900, 2345, 1019};
    Dialog.reset();
    Open();
    EXPECT_EQ(View.WindowRect().Right, 2304);
    EXPECT_EQ(View.WindowRect().Bottom, 984);
    Owner.reset();
    Dialog.reset();
    Open();
    EXPECT_EQ(View.Text(ui::FormId), "設定(Error:OwnerがTFormではありません)");
    EXPECT_EQ(Texts().back(), OptionOwnerErrorText);
    EXPECT_EQ(View.Text(numLeft), "0");  // loading goes on
}

TEST_F(OptionDialog, OkRefusesAnIntervalBelowOneSecondNamingTheRangeAndStaysOnItsSheet) {
    Settings("[AutoSave]\r\nInterval=0\r\n");
    Open();
    Click(btnOK);
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].DialogType, TDialogType::Warning);
    EXPECT_EQ(Ui.Messages()[0].Text, "自動保存の間隔は1～86400秒の範囲で入力して下さい。");
    EXPECT_EQ(View.Selection(PageCtrl), SheetAutoSaveSettings);
    EXPECT_EQ(View.Focused(), numAS_Delay);
    EXPECT_FALSE(View.Closed());
    EXPECT_EQ(SettingsText(), "[AutoSave]\r\nInterval=0\r\n");
    EXPECT_EQ(Timer.Interval(), 1800000u);

    Settings("[AutoSave]\r\nInterval=1\r\n");
    View = fakes::TFakeView(OptionForm());
    Open();
    Click(btnOK);
    EXPECT_TRUE(View.Closed());
    EXPECT_EQ(Timer.Interval(), 1000u);
}

TEST_F(OptionDialog, OkReportsABoxThatHoldsNoNumberAndStaysOpen) {
    Open();
    View.SetText(numDelay, "1-2");
    Click(btnOK);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"'1-2' は浮動小数点数ではありません"}));
    EXPECT_EQ(View.Selection(PageCtrl), SheetStartup);
    EXPECT_FALSE(View.Closed());
}

}  // namespace
}  // namespace wyndrel::dialogs
