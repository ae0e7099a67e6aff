// The options dialog's file lists: editing on the fake user interface and files, and the
// saves with their settings, priorities and the favourites menu.
#include "dialogs/file_list_editor.h"
#include "dialogs/file_list_save.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_files.h"
#include "fakes/fake_resident_process.h"
#include "fakes/fake_user_interface.h"
#include "settings/setting_keys.h"

#include <gtest/gtest.h>

namespace wyndrel::dialogs {
namespace {

using Entries = std::vector<std::string>;

class FileList : public ::testing::Test {
protected:
    FileList() {
        Files.AddFolder("C:\\Docs");
        Ini.IniFileName = "C:\\Tools\\wyndrel.ini";
        Files.AddFolder("C:\\Tools");
    }
    TFileListEditor MakeEditor(const TFileListTexts& texts, Entries entries) {
        TFileListEditor editor(texts, TFileListPorts{Ui, Files, [this](const std::string& title) {
                                                         Titles.push_back(title);
                                                         return Chosen;
                                                     }});
        editor.Load(std::move(entries));
        return editor;
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& message : Ui.Messages()) texts.push_back(message.Text);
        return texts;
    }
    std::string Stored(std::string_view section, const std::string& key) {
        return Ini.ReadIniString(section, key, "(none)");
    }

    fakes::TFakeFiles Files;
    fakes::TFakeUserInterface Ui;
    fakes::TFakeDesktop Desktop;
    fakes::TFakeResidentProcess Process{Desktop};
    settings::TIniAccess Ini{Files};
    std::optional<std::string> Chosen;
    std::vector<std::string> Titles;
};

TEST_F(FileList, AddingAsksAtTheListsLimitAndRefusesAPathListedInAnotherCase) {
    TFileListEditor favorites = MakeEditor(FavoritesListTexts(), {"C:\\Docs\\a.txt"});
    Chosen = std::nullopt;
    favorites.Add();
    EXPECT_FALSE(favorites.Changed());
    Chosen = "c:\\DOCS\\A.TXT";
    favorites.Add();
    EXPECT_EQ(favorites.Entries(), Entries{"C:\\Docs\\a.txt"});
    EXPECT_FALSE(favorites.Changed());
    Chosen = "C:\\Docs\\b.txt";
    favorites.Add();
    EXPECT_EQ(favorites.Entries(), (Entries{"C:\\Docs\\a.txt", "C:\\Docs\\b.txt"}));
    EXPECT_TRUE(favorites.Changed());
    EXPECT_EQ(Titles, Entries(3, "お気に入りに追加するファイルを参照"));
    EXPECT_EQ(MessageTexts(), Entries{"すでに追加されています。"});
    EXPECT_EQ(Ui.Messages()[0].DialogType, TDialogType::Warning);

    // The auto-save list asks from its 33rd entry on; No adds nothing.
    TFileListEditor autoSave = MakeEditor(AutoSaveListTexts(), Entries(31, "C:\\x"));
    autoSave.Add();
    EXPECT_EQ(autoSave.Entries().size(), 32u);
    Ui.Answer(TBoxAnswer::No);
    Chosen = "C:\\Docs\\c.txt";
    autoSave.Add();
    EXPECT_EQ(autoSave.Entries().size(), 32u);
    EXPECT_EQ(MessageTexts().back(),
              "多量に登録すると自動保存に時間がかかってしまいます。\r\nそれでも登録しますか？");
    Ui.Answer(TBoxAnswer::Yes);
    autoSave.Add();
    EXPECT_EQ(autoSave.Entries().back(), "C:\\Docs\\c.txt");
    Ui.Answer(TBoxAnswer::Yes);
    autoSave.Add();
    EXPECT_EQ(MessageTexts().back(), "すでに登録されています");
}

TEST_F(FileList, RemoveClearAndMovesChangeTheListOnlyWhereTheyCan) {
    TFileListEditor list = MakeEditor(FavoritesListTexts(), {"a", "b", "c"});
    list.RemoveSelected();  // no selection: no question
    list.MoveUp();
    list.Select(0);
    list.MoveUp();
    list.Select(2);
    list.MoveDown();
    EXPECT_FALSE(list.Changed());
    EXPECT_TRUE(Ui.Messages().empty());

    list.MoveUp();
    EXPECT_EQ(list.Entries(), (Entries{"a", "c", "b"}));
    EXPECT_EQ(list.Selection(), 1);
    EXPECT_TRUE(list.Changed());
    list.ClearChanged();
    list.Select(0);
    list.MoveDown();
    EXPECT_EQ(list.Entries(), (Entries{"c", "a", "b"}));
    EXPECT_EQ(list.Selection(), 1);

    Ui.Answer(TBoxAnswer::No);
    Ui.Answer(TBoxAnswer::Yes);
    list.RemoveSelected();
    list.RemoveSelected();
    EXPECT_EQ(list.Entries(), (Entries{"c", "b"}));
    EXPECT_EQ(MessageTexts().back(),
              "選択したファイル\r\na\r\nを削除してもよろしいですか?"
              "\r\nなお、リストからファイルが削除されるだけで実際のファイルは削除されません。");

    list.ClearChanged();
    Ui.Answer(TBoxAnswer::No);
    list.Clear();
    EXPECT_EQ(list.Entries().size(), 2u);
    list.Load({});
    Ui.Answer(TBoxAnswer::Yes);
    list.Clear();
    EXPECT_TRUE(list.Changed());  // also when it was empty
    EXPECT_EQ(MessageTexts().back(), "全て削除してよろしいですか？");
}

TEST_F(FileList, ExistenceCheckReportsMissingFilesInListOrderAndRemovesThemOnYes) {
    Files.AddFile("C:\\Docs\\0.txt", "");
    Files.AddFile("C:\\Docs\\2.txt", "");
    Files.AddFile("C:\\Docs\\4.txt", "");
    Files.AddFolder("C:\\Docs\\100%d");
    const Entries five{"C:\\Docs\\0.txt", "C:\\Docs\\100%d", "C:\\Docs\\2.txt", "C:\\Docs\\3%s.txt",
                       "C:\\Docs\\4.txt"};
    TFileListEditor list = MakeEditor(FavoritesListTexts(), five);

    Ui.Answer(TBoxAnswer::Cancel);
    list.CheckExistence();
    Ui.Answer(TBoxAnswer::No);
    list.CheckExistence();
    EXPECT_EQ(list.Entries(), five);
    EXPECT_FALSE(list.Changed());
    Ui.Answer(TBoxAnswer::Yes);
    list.CheckExistence();
    EXPECT_EQ(list.Entries(), (Entries{"C:\\Docs\\0.txt", "C:\\Docs\\2.txt", "C:\\Docs\\4.txt"}));
    EXPECT_TRUE(list.Changed());

    const std::string counts = "総ファイル 5 個中、存在しなかったファイル数は 2 個です";
    const std::string missing = "C:\\Docs\\100%d\r\nC:\\Docs\\3%s.txt\r\n";
    const auto texts = MessageTexts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0],
              "存在しないファイルは削除してもよろしいですか?"
              "\r\nなお、リストからファイルが削除されるだけで実際のファイルは削除されません。");
    EXPECT_EQ(texts[2], counts + "\r\n不存在リスト：" + missing);
    EXPECT_EQ(texts[4], counts + "\r\n削除リスト：" + missing);
    EXPECT_EQ(Ui.Messages()[4].DialogType, TDialogType::Information);

    list.Load({});
    Ui.Answer(TBoxAnswer::Yes);
    list.CheckExistence();
    EXPECT_EQ(MessageTexts().back(), "総ファイル 0 個中、存在しなかったファイル数は 0 個です");
}

TEST_F(FileList, DropAppendsNewPathsAndCountsTheOthersInAForegroundWarningBox) {
    TFileListEditor list = MakeEditor(AutoSaveListTexts(), {"C:\\Docs\\a.txt"});
    list.Drop({"C:\\Docs\\A.TXT"});
    EXPECT_FALSE(list.Changed());
    list.Drop({"C:\\Docs\\b.txt", "c:\\docs\\a.txt", "C:\\Docs\\c.txt", "C:\\Docs\\B.txt"});
    EXPECT_EQ(list.Entries(), (Entries{"C:\\Docs\\a.txt", "C:\\Docs\\b.txt", "C:\\Docs\\c.txt"}));
    EXPECT_TRUE(list.Changed());
    ASSERT_EQ(Ui.Messages().size(), 2u);
    const TMessageBox box = Ui.Messages()[1].Box;
    EXPECT_EQ(box.Text, "2 個のファイルが重複していたため\r\n登録されませんでした");
    EXPECT_EQ(box.Icon, TBoxIcon::Warning);
    EXPECT_TRUE(box.Foreground && box.OwnedByActiveWindow);
    EXPECT_EQ(box.Caption, std::nullopt);
}

TEST_F(FileList, APathTheSettingsCannotHoldIsRefusedWithItsReason) {
    Files.DeclareUnfitCharacters({"😀"});
    Files.AddFile("C:\\Docs\\😀.txt", "");
    Files.AddFile("C:\\Docs\\😀2.txt", "");
    Files.AddShortPath("C:\\Docs\\😀2.txt", "C:\\Docs\\F2~1.TXT");
    TFileListEditor list = MakeEditor(FavoritesListTexts(), {});
    Chosen = "C:\\Docs\\😀.txt";
    list.Add();
    list.Drop({"C:\\Docs\\😀2.txt"});
    EXPECT_EQ(list.Entries(), Entries{"C:\\Docs\\😀2.txt"});
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].DialogType, TDialogType::Error);
    EXPECT_NE(MessageTexts()[0].find("C:\\Docs\\😀.txt"), std::string::npos);
}

TEST_F(FileList, SavesWriteCountAndFilesAtRealTimePriorityAndRebuildTheFavoritesMenu) {
    using namespace settings;
    Ini.WriteIniString(SectionFavorites, "File2", "C:\\old.txt");
    Files.DeclareUnfitCharacters({"😀"});
    Files.AddFile("C:\\Docs\\😀.txt", "");
    Files.AddShortPath("C:\\Docs\\😀.txt", "C:\\Docs\\F~1.TXT");
    std::vector<Entries> menus;
    const TFileListSavePorts ports{Ini, Files, Ui, Process};
    SaveFavoritesList({"C:\\b.txt", "C:\\Docs\\😀.txt"}, ports, [&](const Entries& e) {
        EXPECT_TRUE(Ui.BusyCursor());
        menus.push_back(e);
    });
    EXPECT_EQ(Stored(SectionFavorites, "ItemCount"), "2");
    EXPECT_EQ(Stored(SectionFavorites, "File0"), "C:\\b.txt");
    EXPECT_EQ(Stored(SectionFavorites, "File1"), "C:\\Docs\\F~1.TXT");
    EXPECT_EQ(Stored(SectionFavorites, "File2"), "C:\\old.txt");  // beyond the count, left alone
    EXPECT_EQ(menus, (std::vector<Entries>{{"C:\\b.txt", "C:\\Docs\\F~1.TXT"}}));
    EXPECT_EQ(Process.Log, (Entries{"priority RealTime", "priority Idle"}));
    EXPECT_FALSE(Ui.BusyCursor());

    SaveFavoritesList({}, ports, [&](const Entries& e) { menus.push_back(e); });
    EXPECT_EQ(Stored(SectionFavorites, "ItemCount"), "0");
    EXPECT_EQ(menus.back(), Entries{});

    Process.Log.clear();
    SaveAutoSaveList({}, ports);
    EXPECT_EQ(Stored(SectionAutoSave, "FileCount"), "0");
    EXPECT_TRUE(Process.Log.empty());
    SaveAutoSaveList({"C:\\a.txt"}, ports);
    EXPECT_EQ(Stored(SectionAutoSave, "FileCount"), "1");
    EXPECT_EQ(Stored(SectionAutoSave, "File0"), "C:\\a.txt");
    EXPECT_EQ(Process.Log, (Entries{"priority RealTime", "priority Idle"}));
}

TEST_F(FileList, ASaveTheSettingsFileRefusesIsToldAndLeavesTheMenuAsItWas) {
    const std::string ini = "C:\\Tools\\wyndrel.ini";
    Files.AddFile(ini, "[Favorites]\r\nItemCount=1\r\nFile0=C:\\a.txt\r\n");
    Files.MakeUnreadable(ini);
    const TFileListSavePorts ports{Ini, Files, Ui, Process};
    int rebuilt = 0;
    EXPECT_FALSE(SaveFavoritesList({"C:\\b.txt"}, ports, [&](const Entries&) { ++rebuilt; }));
    EXPECT_FALSE(SaveAutoSaveList({"C:\\b.txt"}, ports));
    EXPECT_TRUE(Process.Log.empty());  // told before the real-time class and the wait cursor

    Files.MakeUnreadable(ini, false);
    Files.FailWritesWithDiskFull(true);
    EXPECT_FALSE(SaveFavoritesList({"C:\\b.txt"}, ports, [&](const Entries&) { ++rebuilt; }));
    EXPECT_EQ(rebuilt, 0);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>(3, ini + " に書き込めません"));
    EXPECT_EQ(Ui.Messages()[2].DialogType, TDialogType::Error);
    EXPECT_FALSE(Ui.BusyCursor());
}

}  // namespace
}  // namespace wyndrel::dialogs
