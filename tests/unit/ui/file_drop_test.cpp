// The file-drop list box and edit box: which dropped paths they take, what their handlers
// may change, and a drop on such controls of a form reaching the presenter and the view.
#include "fakes/fake_view.h"
#include "ui/file_drop.h"
#include "ui/form_file_drop.h"

#include <gtest/gtest.h>

namespace wyndrel::ui {
namespace {

using TPaths = std::vector<std::string>;
const TPaths Three{"C:\\a.txt", "C:\\b.txt", "C:\\c.txt"};

// A list box whose entries and raised events are recorded in order.
struct TListBoxProbe {
    TFileDropListBox Box;
    TPaths Entries;
    std::vector<std::string> Events;
    TListBoxProbe() {
        Box.AppendEntries = [this](const TPaths& files) {
            Entries.insert(Entries.end(), files.begin(), files.end());
        };
        Box.OnDropFile = [this](TFileDropListBox&) { Events.push_back("file"); };
        Box.OnDropFinished = [this](TFileDropListBox&) { Events.push_back("finished"); };
    }
};

TEST(FileDropListBox, TakesTheDroppedPathsAsItsSettingsAndItsQueryHandlerSay) {
    TListBoxProbe single;  // one file only, appended with no query handler
    single.Box.AcceptMultiple = false;
    single.Box.AutoChange = true;
    single.Box.Drop(Three);
    EXPECT_EQ(single.Entries, TPaths{"C:\\a.txt"});
    EXPECT_EQ(single.Events, (std::vector<std::string>{"file", "finished"}));

    TListBoxProbe trimmed;  // the handler removes two, empty and overlong paths as read
    trimmed.Box.AutoChange = true;
    TPaths seen;
    trimmed.Box.OnDropQuery = [&](TFileDropListBox&, TPaths& files, bool& accept) {
        seen = files;
        EXPECT_TRUE(accept);
        files.erase(files.begin(), files.begin() + 2);
    };
    const std::string longPath = "C:\\" + std::string(600, 'x') + ".txt";
    trimmed.Box.Drop({"C:\\a.txt", "", "C:\\b.txt", longPath});
    EXPECT_EQ(seen, (TPaths{"C:\\a.txt", "C:\\b.txt", longPath}));
    EXPECT_EQ(trimmed.Entries, TPaths{longPath});

    TListBoxProbe refused;  // the handler appends the paths itself, as the favourites list does
    refused.Box.AutoChange = true;
    refused.Box.OnDropQuery = [&](TFileDropListBox&, TPaths& files, bool& accept) {
        refused.Entries.insert(refused.Entries.end(), files.begin(), files.end());
        accept = false;
    };
    refused.Box.Drop(Three);
    EXPECT_EQ(refused.Entries, Three);
    EXPECT_EQ(refused.Events, std::vector<std::string>{"file"});

    TListBoxProbe unchanged;  // no automatic adding, no handler
    unchanged.Box.Drop(Three);
    EXPECT_TRUE(unchanged.Entries.empty());
    EXPECT_EQ(unchanged.Events, (std::vector<std::string>{"file", "finished"}));

    std::vector<bool> registered;
    unchanged.Box.RegisterDropTarget = [&](bool accept) { registered.push_back(accept); };
    unchanged.Box.SetAcceptDropFile(true);
    unchanged.Box.SetAcceptDropFile(false);
    EXPECT_EQ(registered, (std::vector<bool>{true, false}));
}

TEST(FileDropEdit, TakesTheFirstFileOnlyUnlessItsQueryRefusesIt) {
    TFileDropEdit edit;
    edit.AutoChangeText = true;
    std::string text = "Quillon.exe";
    TPaths dropped;
    edit.ChangeText = [&](const std::string& value) { text = value; };
    edit.OnFileDrop = [&](TFileDropEdit&, const std::string& fileName) {
        dropped.push_back(fileName);
    };
    edit.Drop({"C:\\Quillon\\Quillon.exe", "C:\\other.exe"});
    EXPECT_EQ(text, "C:\\Quillon\\Quillon.exe");
    EXPECT_EQ(dropped, TPaths{"C:\\Quillon\\Quillon.exe"});

    edit.OnFileDropAcceptQuery = [](TFileDropEdit&, const std::string& fileName, bool& accept) {
        accept = fileName.ends_with(".exe");
    };
    edit.Drop({"C:\\notes.txt"});
    edit.Drop({"", "C:\\second.exe"});  // the first file is the one read
    EXPECT_EQ(text, "C:\\Quillon\\Quillon.exe");
    EXPECT_EQ(dropped.size(), 1u);

    std::vector<bool> registered;
    edit.RegisterDropTarget = [&](bool accept) { registered.push_back(accept); };
    edit.SetAcceptDragFile(true);
    edit.SetAcceptDragFile(true);
    edit.SetAcceptDragFile(false);
    EXPECT_EQ(registered, (std::vector<bool>{true, false}));
}

enum : int { lbFiles = 10, txtPath, lbClosed };

TControlSpec DropControl(int id, TControlKind kind, const char* caption, bool acceptFiles) {
    TControlSpec control;
    control.Id = id;
    control.Kind = kind;
    control.Caption = caption;
    control.Drop = {acceptFiles, true, true};
    return control;
}

TFormSpec DropForm() {
    TFormSpec form{"dlgDrop", "ドロップ", 200, 100, {}, false, {}};
    form.Controls = {DropControl(lbFiles, TControlKind::FileDropListBox, "", true),
                     DropControl(txtPath, TControlKind::FileDropEdit, "Quillon.exe", true),
                     DropControl(lbClosed, TControlKind::FileDropListBox, "", false)};
    return form;
}

// Refuses drops holding a ".tmp" file and records what it was asked and told.
struct TDropPresenter : IFormEvents {
    std::vector<std::pair<int, TPaths>> Queries;
    std::vector<int> Finished;
    void OnControl(const TControlEvent&) override {}
    void OnDropQuery(int id, TPaths& paths, bool& accept) override {
        Queries.emplace_back(id, paths);
        for (const auto& path : paths) accept = accept && !path.ends_with(".tmp");
    }
    void OnDropFinished(int id) override { Finished.push_back(id); }
};

TEST(FormFileDrop, AsksThePresenterThenAppendsToTheListOrSetsTheTextOnTheView) {
    const TFormSpec form = DropForm();
    fakes::TFakeView view(form);
    view.SetItems(lbFiles, {"C:\\old.txt"});
    TDropPresenter presenter;

    DropOnFormControl(*form.Find(lbFiles), view, presenter, {"C:\\a.txt", "C:\\b.txt"});
    DropOnFormControl(*form.Find(lbFiles), view, presenter, {"C:\\c.txt", "C:\\d.tmp"});
    EXPECT_EQ(view.Items(lbFiles), (TPaths{"C:\\old.txt", "C:\\a.txt", "C:\\b.txt"}));
    EXPECT_EQ(presenter.Finished, std::vector<int>{lbFiles});

    DropOnFormControl(*form.Find(txtPath), view, presenter, {"C:\\x.tmp"});
    EXPECT_EQ(view.Text(txtPath), "Quillon.exe");
    DropOnFormControl(*form.Find(txtPath), view, presenter, {"C:\\Q\\Quillon.exe", "C:\\y.exe"});
    EXPECT_EQ(view.Text(txtPath), "C:\\Q\\Quillon.exe");

    DropOnFormControl(*form.Find(lbClosed), view, presenter, {"C:\\a.txt"});  // takes no files
    EXPECT_TRUE(view.Items(lbClosed).empty());
    EXPECT_EQ(presenter.Queries.size(), 4u);
    EXPECT_EQ(presenter.Queries[3], (std::pair<int, TPaths>{txtPath, {"C:\\Q\\Quillon.exe"}}));
}

}  // namespace
}  // namespace wyndrel::ui
