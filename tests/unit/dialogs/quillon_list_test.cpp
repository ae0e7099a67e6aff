// The running-editors list on the fake view and the in-memory desktop: its rows, the no-editor
// row, the double click, its settings, the activation handler it borrows and its anchoring.
#include "dialogs/quillon_list.h"
#include "dialogs/quillon_list_form.h"
#include "dialogs/quillon_list_ids.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_files.h"
#include "fakes/fake_user_interface.h"
#include "fakes/fake_view.h"
#include "layout/layout_engine.h"

#include <gtest/gtest.h>

namespace wyndrel::dialogs {
namespace {

using namespace list_ids;
using Rows = std::vector<std::vector<std::string>>;

class QuillonList : public ::testing::Test {
protected:
    QuillonList() {
        Ini.IniFileName = "C:\\Tools\\wyndrel.ini";
        Files.AddFolder("C:\\Tools");
        Activation.Replace([this] { ++MainWindowActivations; });
    }
    std::optional<std::vector<layout::TLayout>> Capture() { return Engine.CaptureEditors(); }
    TfrmQuillonList& Open() {
        List.emplace(View, TQuillonListPorts{
                               Ini, Ui, Desktop, Activation, [this] { return Capture(); }, {}});
        List->OnShow();
        return *List;
    }
    void DoubleClickRow(int row) {
        View.SetSelection(LV, row);
        List->OnControl({LV, ui::TControlEventKind::DoubleClick});
    }
    void Close() { List->OnControl({btnClose, ui::TControlEventKind::Click}); }

    fakes::TFakeDesktop Desktop;
    fakes::TFakeFiles Files;
    fakes::TFakeUserInterface Ui;
    settings::TIniAccess Ini{Files};
    ui::TAppActivation Activation;
    layout::TLayoutEngine Engine{Desktop};
    fakes::TFakeView View{QuillonListForm()};
    std::optional<TfrmQuillonList> List;
    int MainWindowActivations = 0;
};

TEST_F(QuillonList,
       ListsEveryEditorWithAFileTopmostFirstAndOnlyThoseWithTheWaitCursorDuringTheCapture) {
    Desktop.AddEditor("C:\\a.txt", {10, 20, 410, 320}, 5);
    Desktop.AddEditor("", {0, 0, 100, 100});  // untitled
    Desktop.AddTopLevel("Notepad", {0, 0, 50, 50}, "C:\\n.txt");
    Desktop.AddEditor("C:\\長い\\b.txt", {-5, 7, 95, 57}, 123);
    bool busyDuringCapture = false;
    Desktop.OnEachEnumeratedWindow([&](WindowId) { busyDuringCapture = Ui.BusyCursor(); });
    Open();
    EXPECT_EQ(View.Control(LV).Rows, (Rows{{"C:\\長い\\b.txt", "-5", "7", "100", "50", "123"},
                                           {"C:\\a.txt", "10", "20", "400", "300", "5"}}));
    EXPECT_TRUE(busyDuringCapture);
    EXPECT_FALSE(Ui.BusyCursor());
    EXPECT_TRUE(Ui.Messages().empty());
}

TEST_F(QuillonList, ShowsTheNoEditorRowOrTheEnumerationErrorAndADoubleClickThereDoesNothing) {
    Desktop.AddEditor("", {0, 0, 100, 100});
    const WindowId other = Desktop.AddTopLevel("Notepad");
    Desktop.SetForeground(other);
    Open();
    EXPECT_EQ(View.Control(LV).Rows, (Rows{{NoEditorRowText, "", "", "", "", ""}}));
    DoubleClickRow(0);
    DoubleClickRow(-1);
    EXPECT_EQ(Desktop.Foreground(), other);

    Desktop.AddEditor("C:\\a.txt");
    Desktop.FailEnumeration(true);
    List->RefreshList();
    EXPECT_TRUE(View.Control(LV).Rows.empty());
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].Text, EnumerationFailedText);
    EXPECT_EQ(Ui.Messages()[0].DialogType, TDialogType::Error);
    EXPECT_FALSE(Ui.BusyCursor());
    EXPECT_TRUE(List->Records().empty());
}

TEST_F(QuillonList, ADoubleClickBringsTheRowsOwnEditorForwardEvenAfterAnotherCapture) {
    const WindowId first = Desktop.AddEditor("C:\\a.txt");
    const WindowId second = Desktop.AddEditor("C:\\b.txt");
    Open();  // rows: b, a
    Desktop.Destroy(second);
    Engine.CaptureEditors();  // a save in between refills the engine's list
    DoubleClickRow(1);
    EXPECT_EQ(Desktop.Foreground(), first);
    DoubleClickRow(0);  // closed meanwhile: nothing comes forward, nothing is said
    EXPECT_EQ(Desktop.Foreground(), first);
    EXPECT_TRUE(Ui.Messages().empty());
    EXPECT_FALSE(View.Closed());
}

TEST_F(QuillonList, OpensAtTheDesignPlaceAndWidthsWithoutSettingsAndKeepsWhatItWasClosedWith) {
    Open();
    EXPECT_EQ(View.WindowRect(), ui::Bounds(150, 150, 500, 300));
    EXPECT_EQ(View.ColumnWidth(LV, ColFileName), 250);
    EXPECT_EQ(View.ColumnWidth(LV, ColCaret), 48);

    View.SetWindowRect(ui::Bounds(-30, 40, 640, 480));
    View.SetColumnWidth(LV, ColFileName, 333);
    View.SetColumnWidth(LV, ColCaret, 60);
    Close();
    EXPECT_TRUE(View.Closed());
    EXPECT_EQ(Ini.ReadIniString("List", "LastWidth0", ""), "333");
    EXPECT_EQ(Ini.ReadIniString("List", "LastWidth1", ""), "36");
    EXPECT_EQ(Ini.ReadIniString("List", "LastWidth5", ""), "60");
    EXPECT_EQ(Ini.ReadIniString("List", "Top", ""), "40");
    EXPECT_EQ(Ini.ReadIniString("List", "Left", ""), "-30");
    EXPECT_EQ(Ini.ReadIniString("List", "Width", ""), "640");
    EXPECT_EQ(Ini.ReadIniString("List", "Height", ""), "480");

    View = fakes::TFakeView(QuillonListForm());
    List.reset();
    Open();
    EXPECT_EQ(View.WindowRect(), ui::Bounds(-30, 40, 640, 480));
    EXPECT_EQ(View.ColumnWidth(LV, ColFileName), 333);
    EXPECT_EQ(View.ColumnWidth(LV, ColCaret), 60);
}

TEST_F(QuillonList, OpensWhereTheScreenRuleMovesStoredBoundsThatAreOnNoMonitor) {
    Ini.WriteIniInteger("List", "Left", 5000);
    List.emplace(View, TQuillonListPorts{Ini, Ui, Desktop, Activation, [this] { return Capture(); },
                                         [](const Rect& r) {
                                             return Rect{0, 0, r.Width(), r.Height()};
                                         }});
    List->OnShow();
    EXPECT_EQ(View.WindowRect(), ui::Bounds(0, 0, 500, 300));
}

TEST_F(QuillonList, RefreshesOnEveryActivationWhileOpenAndHandsTheActivationBackOnceAtClose) {
    Open();
    Desktop.AddEditor("C:\\late.txt");
    Activation.Activate();
    EXPECT_EQ(View.Control(LV).Rows.size(), 1u);
    EXPECT_EQ(View.Control(LV).Rows[0][0], "C:\\late.txt");
    EXPECT_EQ(MainWindowActivations, 0);
    Close();
    EXPECT_EQ(MainWindowActivations, 1);
    Activation.Activate();
    EXPECT_EQ(MainWindowActivations, 2);

    // A window that goes without closing (its creation failed) still gives the handler back.
    Open();
    List.reset();
    Activation.Activate();
    EXPECT_EQ(MainWindowActivations, 3);
}

TEST_F(QuillonList, KeepsTheListOnEveryEdgeAndTheCloseButtonCentredAtTheBottomWhenResized) {
    Open();
    View.SetBounds(ui::FormId, ui::Bounds(0, 0, 700, 400));
    List->OnResize();
    EXPECT_EQ(View.Bounds(LV), ui::Bounds(0, 0, 700, 363));
    EXPECT_EQ(View.Bounds(btnClose), ui::Bounds(304, 370, 92, 25));
    // The design size gives the design places; narrower than the button still centres it.
    EXPECT_EQ(CloseButtonBounds(492, 273), ui::Bounds(200, 243, 92, 25));
    EXPECT_EQ(CloseButtonBounds(41, 273).Left, -25);
    EXPECT_EQ(ListViewBounds(41, 20), ui::Bounds(0, 0, 41, 0));
}

}  // namespace
}  // namespace wyndrel::dialogs
