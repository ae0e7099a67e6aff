// TfrmWyndrel on a fake view, frame, tray and settings: creation from the settings, shows,
// shapes and icon mode, the window menu's commands, closing, exit state, the gradient bar,
// the keyboard focus.
#include "app/layout_file_commands.h"
#include "app/main_window.h"
#include "app/main_window_ids.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_processes.h"
#include "fakes/fake_regional_settings.h"
#include "fakes/fake_user_interface.h"
#include "unit/app/main_window_rig.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace wyndrel::app {
namespace {

using TKind = fakes::TNotifyCall::TKind;

class MainWindow : public ::testing::Test, protected TMainWindowRig {
protected:
    MainWindow() { RegisterOtherCommands(); }
    void Create(const std::string& settings) {
        Files.AddFile(IniPath, settings);
        Form.FormCreate();
    }
    // Stand-ins for the commands that other parts of the program register.
    void RegisterOtherCommands() {
        Table.Add(ids::pmScatter, [this] { Ran.push_back("scatter"); });
        Table.Add(ids::WindowMenuScatter, [this] { Ran.push_back("scatter"); });
        Table.Add(ids::btnOption, [this] { Ran.push_back("options"); });
        Table.Add(ids::cmdTrayMenu,
                  [this] { Ran.push_back("menu at " + std::to_string(Frame.CursorPos().X)); });
    }
    std::vector<TKind> TrayCalls() const {
        std::vector<TKind> kinds;
        for (const auto& call : Area.Calls()) kinds.push_back(call.Kind);
        return kinds;
    }

    std::vector<std::string> Ran;
    ui::TCommandTable OtherTable{MainWindowCommandRule};
    TfrmWyndrel Form{{View, Frame, Process, Files, Ini, Timer, Commands, TrayTimer},
                     Tray,
                     Grad,
                     Table,
                     HelpFiles,
                     SnapshotPath};
    // The layout commands as the program wires them: in the window's own command table.
    fakes::TFakeProcesses Processes;
    fakes::TFakeUserInterface Ui;
    fakes::TFakeClock Clock;
    fakes::TFakeRegionalSettings Regional;
    layout::TLayoutEngine Engine{Desktop};
    layout::TEditorPath EditorPath{"C:\\Quillon\\Quillon.exe"};
    layout::TEditorLauncher Launcher{Engine, EditorPath, Processes, Ui};
    std::function<void()> OnEditorList = [] {};
    TLayoutFileCommands Commands{TPorts{Desktop, Processes, Files, Ui, Clock, Regional},
                                 Ini,
                                 Engine,
                                 Launcher,
                                 Table,
                                 TMainWindowHooks{[this] { OnEditorList(); }}};
};

TEST_F(MainWindow, IsCreatedInTheShapeAndPlaceTheSettingsNameWithItsTrayIcon) {
    Create("[Option]\r\nUserWindowMode=0\r\nLastWindowMode=2\r\nLeft=-300\r\nTop=40\r\n");
    EXPECT_EQ(Form.ViewMode(), TViewMode::Vertical);
    EXPECT_FALSE(Frame.TitleBar);
    EXPECT_EQ(View.Bounds(ui::FormId), (Rect{0, 0, 56, 181}));
    EXPECT_EQ(View.Bounds(ids::btnSaveEnd), (Rect{3, 158, 54, 179}));
    EXPECT_EQ(View.Text(ids::btnSaveEnd), "&2.保終");
    EXPECT_EQ(View.Text(ui::FormId),
              "Wyndrel");  // the taskbar's text, though no title bar shows it
    EXPECT_TRUE(Grad.Visible());
    EXPECT_EQ(Grad.BoundsRect(), (Rect{2, 1, 55, 17}));
    EXPECT_EQ(Frame.Position, (Point{0, 40}));  // on no monitor: moved onto the nearest
    EXPECT_TRUE(Frame.AcceptsFiles);
    EXPECT_TRUE(Frame.TopMost);
    EXPECT_EQ(View.Focused(), ids::btnRead);
    ASSERT_EQ(Area.Icons().count(TrayIconId), 1u);
    EXPECT_EQ(Area.Icons().at(TrayIconId).Tip, TrayTip);
    EXPECT_EQ(Process.Log.front(), "priority RealTime");
    EXPECT_EQ(Process.Log.back(), "priority Idle");

    Frame.Position = {1, 1};
    Create("[Option]\r\nUserWindowMode=2\r\nStartWindowPosType=3\r\n");
    EXPECT_EQ(Form.ViewMode(), TViewMode::Horizontal);
    EXPECT_EQ(Frame.Position, (Point{(1024 - 210) / 2, (768 - 40) / 2}));
    Create("[Option]\r\nStartWindowPosType=2\r\nUserLeft=-100\r\nUserTop=700\r\n");
    EXPECT_EQ(Frame.Position, (Point{-100, 700}));  // partly visible: kept as stored
}

TEST_F(MainWindow, ShowsKeepOneSetOfWindowMenuEntriesAndTheMostTopCheck) {
    Create("[Option]\r\nIsGetFocusOnStart=True\r\n");
    Form.OnShow();
    Files.AddFile("C:\\Tools\\wyndrel.html", "");  // the manual alone brings the help entry
    Form.OnShow();
    EXPECT_EQ(Frame.Menu.Ids(),
              (std::vector<std::uint32_t>{0xF120, 0xF010, 0xF000, 0xF020, 0xF030, 11000, 10000,
                                          10001, 10002, 10004, 0, 0xF060}));
    EXPECT_EQ(Frame.Menu.Checked, std::set<std::uint32_t>{ids::WindowMenuMostTop});
    EXPECT_EQ(Frame.BroughtForward, 2);

    EXPECT_TRUE(Form.OnSysCommand(ids::WindowMenuMostTop));
    EXPECT_FALSE(Frame.TopMost);
    EXPECT_TRUE(Frame.Menu.Checked.empty());
    EXPECT_TRUE(Form.OnSysCommand(ids::WindowMenuScatter));
    EXPECT_FALSE(Form.OnSysCommand(0xF060));
    EXPECT_EQ(Ran, std::vector<std::string>{"scatter"});
}

TEST_F(MainWindow, CyclesItsShapesAndHidesInIconModeWithTheTrayIconKept) {
    Create("");
    Area.ClearCalls();
    Form.OnControl({ids::btnChangeView});
    EXPECT_EQ(TrayCalls(), (std::vector<TKind>{TKind::Delete, TKind::Add}));
    EXPECT_EQ(View.Text(ids::btnChangeView), "表示(&V)");
    EXPECT_EQ(View.Bounds(ui::FormId), (Rect{0, 0, 204, 40}));
    Form.OnControl({ids::btnChangeView});
    Form.OnControl({ids::btnChangeView});
    EXPECT_EQ(Form.ViewMode(), TViewMode::Normal);
    EXPECT_FALSE(Grad.Visible());
    EXPECT_EQ(View.Text(ids::btnReadEnd), "読込.終(&1)");

    View.Show();
    View.ChoosePopupEntry(ids::mpCVIcon);
    Form.OnChangeViewPopup();
    EXPECT_FALSE(View.Visible(ui::FormId));
    EXPECT_EQ(Form.ViewMode(), TViewMode::Normal);
    EXPECT_EQ(Area.Icons().size(), 1u);
    EXPECT_EQ(View.Popups().at(0).At, Frame.Cursor);
    Form.OnControl({ids::mpCVVert});
    EXPECT_TRUE(View.Visible(ui::FormId));
    EXPECT_EQ(Form.ViewMode(), TViewMode::Vertical);
}

TEST_F(MainWindow, StartsWhileTheShellRefusesTheIconAndStaysReachableUntilTheIconComes) {
    TrayTimer.OnTick([this] { Form.OnTimer(ids::TimTrayRetry); });
    auto adds = [this] {
        const std::vector<TKind> calls = TrayCalls();
        return std::count(calls.begin(), calls.end(), TKind::Add);
    };
    // Icon mode right after logon: the window stands in for the icon until the shell takes it.
    Area.Refuse(true);
    Create("[Option]\r\nIsIconic=True\r\n");
    EXPECT_TRUE(View.Visible(ui::FormId));
    EXPECT_TRUE(Area.Icons().empty());
    EXPECT_TRUE(TrayTimer.Enabled());
    Area.ClearCalls();
    TrayTimer.AdvanceTime(TrayRetryIntervalMs);
    EXPECT_EQ(adds(), 1);
    Form.ChooseIconMode();  // no icon yet: hiding would leave nothing to reach the program by
    EXPECT_TRUE(View.Visible(ui::FormId));
    Area.Refuse(false);
    TrayTimer.AdvanceTime(TrayRetryIntervalMs);
    EXPECT_EQ(Area.Icons().count(TrayIconId), 1u);
    EXPECT_FALSE(View.Visible(ui::FormId));
    EXPECT_FALSE(TrayTimer.Enabled());

    // Two minutes of refusals end the retries; the shell's re-creation still brings the icon,
    // and a window the user shows himself stays shown.
    Area.Recreate();
    Area.Refuse(true);
    Form.SetViewMode(TViewMode::Horizontal);
    Area.ClearCalls();
    for (int tick = 0; tick < TrayRetryCount + 5; ++tick)
        TrayTimer.AdvanceTime(TrayRetryIntervalMs);
    EXPECT_EQ(adds(), TrayRetryCount);
    EXPECT_FALSE(TrayTimer.Enabled());
    View.Show();
    Area.Refuse(false);
    Area.Recreate();
    EXPECT_EQ(Area.Icons().count(TrayIconId), 1u);
    EXPECT_TRUE(View.Visible(ui::FormId));
    Form.FormDestroy();
    EXPECT_EQ(Ini.ReadIniInteger("Option", "LastWindowMode", 0),
              1);  // a start without an icon is a start
}

TEST_F(MainWindow, ClosesHidesOrQuitsAndWritesItsStateOnDestruction) {
    Create("[Option]\r\nCloseNoExit=True\r\n");
    View.Show();
    EXPECT_FALSE(Form.FormCloseQuery());
    EXPECT_FALSE(View.Visible(ui::FormId));
    EXPECT_FALSE(Frame.QuitSent);
    EXPECT_TRUE(Form.FormCloseQuery());
    EXPECT_TRUE(Frame.QuitSent);

    Form.SetViewMode(TViewMode::Horizontal);
    Frame.Position = {12, -3};
    Timer.Start(1000);
    Form.FormDestroy();
    EXPECT_TRUE(Area.Icons().empty());
    EXPECT_EQ(Ini.ReadIniInteger("Option", "Left", 0), 12);
    EXPECT_EQ(Ini.ReadIniInteger("Option", "Top", 0), -3);
    EXPECT_EQ(Ini.ReadIniInteger("Option", "LastWindowMode", 0), 1);
    EXPECT_TRUE(Ini.ReadIniBool("AutoSave", "LastEnable", false));
    EXPECT_TRUE(Ini.ReadIniBool("Option", "QuitByUser", false));
}

TEST_F(MainWindow, TheSessionsEndQuitsAtOnceAndTheStateIsWrittenOnceAndNeverByAFailedCreation) {
    Create("");
    Files.AddFile(SnapshotPath, "[QuillonLayoutFile]\r\n");
    Form.SetViewMode(TViewMode::Vertical);
    Form.OnEndSession();
    EXPECT_TRUE(Area.Icons().empty());
    EXPECT_EQ(Ini.ReadIniInteger("Option", "LastWindowMode", 0), 2);
    EXPECT_FALSE(Files.FileExists(SnapshotPath));
    EXPECT_TRUE(Frame.QuitSent);
    Form.SetViewMode(TViewMode::Horizontal);
    Form.FormDestroy();  // the window goes after the session's end: nothing written again
    EXPECT_EQ(Ini.ReadIniInteger("Option", "LastWindowMode", 0), 2);
    EXPECT_FALSE(Ini.ReadIniBool("Option", "QuitByUser", false));  // the session's end is no quit

    // A creation that failed (the settings file held no window) writes nothing at its end.
    TfrmWyndrel failed{{View, Frame, Process, Files, Ini, Timer, Commands, TrayTimer},
                       Tray,
                       Grad,
                       OtherTable,
                       HelpFiles,
                       SnapshotPath};
    Files.AddFile(IniPath, "[Option]\r\nLeft=7\r\n");
    failed.FormDestroy();
    EXPECT_EQ(Files.Content(IniPath), "[Option]\r\nLeft=7\r\n");
}

TEST_F(MainWindow, GradientBarDragsOpensTheTrayMenuAndFollowsTheCaptionColours) {
    Create("[Option]\r\nUserWindowMode=3\r\n");
    Grad.MouseDown(widgets::TMouseButton::mbLeft, widgets::ssLeft, 4, 4);
    Grad.MouseUp(widgets::TMouseButton::mbLeft, 0, 4, 4);
    Grad.MouseDown(widgets::TMouseButton::mbRight, widgets::ssRight, 4, 4);
    Grad.MouseUp(widgets::TMouseButton::mbRight, 0, 4, 4);
    EXPECT_EQ(Frame.Drags, 1);
    EXPECT_EQ(Ran, std::vector<std::string>{"menu at 400"});
    EXPECT_FALSE(Form.MenuShowing());

    Frame.Colors[TCaptionColor::GradientActive] = 0;
    Form.AppEventsActivate();
    EXPECT_EQ(Grad.EndColor(), 0x800000u);
    Form.ActivateTitleColors();
    EXPECT_EQ(Grad.EndColor(), 0u);
    Form.DeactivateTitleColors();
    Form.AppEventsActivate();
    EXPECT_EQ(Grad.StartColor(), 0x808080u);
    EXPECT_EQ(Grad.EndColor(), 0xC0C0C0u);
}

TEST_F(MainWindow, LayoutButtonsRunTheirCommandsAndTheOthersAreDisabledWhileOneRuns) {
    Create("");
    Files.AddFolder("C:\\L");
    Desktop.AddEditor("C:\\a.txt");
    Ui.ChooseFile(std::nullopt);
    Ui.ChooseFile("C:\\L\\day.qdl");
    Form.OnControl({ids::btnRead});
    Form.OnControl({ids::btnSaveEnd});
    EXPECT_TRUE(Files.FileExists("C:\\L\\day.qdl"));
    EXPECT_EQ(Frame.Destroyed, 1);  // closed once the save had returned

    // The list is open: no button or window-menu command that opens a window starts, and
    // their buttons show it; the shapes and the quit button stay at hand.
    std::vector<bool> enabledMeanwhile;
    OnEditorList = [this, &enabledMeanwhile] {
        Ran.push_back("list");
        for (int id :
             {ids::btnRead, ids::btnSave, ids::btnOption, ids::btnChangeView, ids::btnClose})
            enabledMeanwhile.push_back(View.Enabled(id));
        Form.OnControl({ids::btnSave});
        Form.OnControl({ids::btnSituate});
        Form.OnControl({ids::btnOption});
        Form.OnSysCommand(ids::WindowMenuScatter);
    };
    Form.OnControl({ids::btnSituate});
    EXPECT_EQ(Ran, (std::vector<std::string>{"list"}));
    EXPECT_EQ(enabledMeanwhile, (std::vector<bool>{false, false, false, true, true}));
    EXPECT_TRUE(View.Enabled(ids::btnRead) && View.Enabled(ids::btnOption));
    EXPECT_EQ(std::count_if(Ui.Events().begin(), Ui.Events().end(),
                            [](const fakes::TUiEvent& event) {
                                return event.Kind == fakes::TUiEvent::TKind::FileDialog;
                            }),
              2);
    EXPECT_FALSE(Table.Busy());
}

TEST_F(MainWindow,
       KeepsTheFocusedButtonOverActivationsAndLendsItsFocusOnWhileItsCommandDisablesIt) {
    Create("");
    EXPECT_TRUE(Form.OnActivate(true));
    EXPECT_EQ(View.Focused(), ids::btnRead);
    View.SetFocus(ids::btnSave);
    Form.OnActivate(false);
    View.LoseFocus();
    EXPECT_TRUE(Form.OnActivate(true));
    EXPECT_EQ(View.Focused(), ids::btnSave);

    // The list opens over the window and closes again while its button is disabled.
    View.SetFocus(ids::btnSituate);
    std::vector<int> focusedMeanwhile;
    OnEditorList = [&] {
        focusedMeanwhile.push_back(View.Focused());
        Form.OnActivate(false);
        View.LoseFocus();
        Form.OnActivate(true);
        focusedMeanwhile.push_back(View.Focused());
    };
    Form.OnControl({ids::btnSituate});
    EXPECT_EQ(focusedMeanwhile, (std::vector<int>{ids::btnChangeView, ids::btnChangeView}));
    EXPECT_EQ(View.Focused(), ids::btnSituate);
}

TEST_F(MainWindow, TicksDropsAndACloseThatArriveDuringARestoreAreCarriedOutAfterIt) {
    Create("");
    Table.Add(ids::cmdAutoSaveTick, [this] { Ran.push_back("pass"); });
    Files.AddFolder("C:\\L");
    for (const char* name : {"first", "second", "third"})
        Files.AddFile(std::string("C:\\L\\") + name + ".qdl",
                      std::string("[QuillonLayoutFile]\r\n\r\nFile=C:\\") + name +
                          ".txt\r\nCurs=0\r\nRect=1,2,300,400\r\n");
    bool arrived = false;
    Ui.OnPump([&](std::uint32_t ms) {
        Processes.AdvanceTime(ms);
        if (arrived) return;
        arrived = true;
        for (int tick = 0; tick < 3; ++tick) Form.OnTimer(ids::TimAutoSave);
        Form.OnDropFiles({"C:\\L\\second.qdl"});
        Form.OnDropFiles({"C:\\L\\third.qdl"});
        Form.OnCloseRequest();
        EXPECT_TRUE(Ran.empty());
        EXPECT_EQ(Frame.Destroyed, 0);
    });
    Ui.ChooseFile("C:\\L\\first.qdl");
    Form.OnControl({ids::btnRead});
    EXPECT_TRUE(arrived);
    EXPECT_EQ(Ran, std::vector<std::string>{"pass"});  // three ticks, one pass
    ASSERT_EQ(Processes.Starts().size(), 3u);  // the running restore, then the drops in their order
    EXPECT_NE(Processes.Starts()[1].CommandLine.find("second.txt"), std::string::npos);
    EXPECT_NE(Processes.Starts()[2].CommandLine.find("third.txt"), std::string::npos);
    EXPECT_EQ(Frame.Destroyed, 1);

    // Under an open popup menu a tick is skipped, not kept.
    View.DuringPopup = [this] { Form.OnTimer(ids::TimAutoSave); };
    Form.TrackMenu(TfrmWyndrel::ChangeViewMenu());
    EXPECT_EQ(Ran, std::vector<std::string>{"pass"});
}

}  // namespace
}  // namespace wyndrel::app
