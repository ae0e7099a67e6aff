// Finding the editor's executable: the usual install path, the running editors, and the
// question that cycles over several candidates.
#include "fakes/fake_files.h"
#include "fakes/fake_processes.h"
#include "fakes/fake_user_interface.h"
#include "layout/editor_executable.h"
#include "layout/enum_processes.h"

#include <gtest/gtest.h>

namespace wyndrel::layout {
namespace {

class FindingTheEditor : public ::testing::Test {
protected:
    std::string Find() { return FindEditorExecutable(Files, Processes, Ui); }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const auto& message : Ui.Messages()) texts.push_back(message.Text);
        return texts;
    }
    static constexpr const char* StartRequest =
        "Quillonを起動してください。自動でパスを検出します。\r\nQuillonを起動したら [OK] "
        "ボタンをクリックしてください。";

    fakes::TFakeFiles Files;
    fakes::TFakeProcesses Processes;
    fakes::TFakeUserInterface Ui;
};

TEST_F(FindingTheEditor, TakesTheUsualInstallPathWhetherOrNotTheEditorRuns) {
    Files.AddFile("C:\\Program Files\\Quillon\\Quillon.exe", "");
    Processes.AddRunning("D:\\Other\\Quillon.exe");
    EXPECT_EQ(Find(), "C:\\Program Files\\Quillon\\Quillon.exe");
    ASSERT_EQ(Ui.Messages().size(), 1u);
    EXPECT_EQ(Ui.Messages()[0].Text,
              "一番インストールされていると思われるパス\r\nC:\\\\Program Files\\Quillon\\\r\n"
              "にQuillonを発見しました。\r\nこのパスを設定します。");
    EXPECT_EQ(Ui.Messages()[0].Box.Caption, "情報");
    EXPECT_TRUE(Ui.Messages()[0].Box.TopMost);
}

TEST_F(FindingTheEditor, MakesOneUpperCasedCandidateOfTwoEditorsFromOneExecutable) {
    Processes.AddRunning("C:\\Windows\\explorer.exe");
    Processes.AddRunning("D:\\Tools\\Quillon\\Quillon.exe");
    Processes.AddRunning("");
    Processes.AddRunning("d:\\tools\\quillon\\quillon.exe");
    EXPECT_EQ(Find(), "D:\\TOOLS\\QUILLON\\QUILLON.EXE");
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           StartRequest,
                           "Quillonを発見できました。\r\nD:\\TOOLS\\QUILLON\\QUILLON.EXE"
                           "\r\nがQuillonのパスとして設定されます。"}));
    EXPECT_EQ(Ui.Messages()[0].Box.Caption, "Quillonのパス検出");
    EXPECT_EQ(Ui.Messages()[0].Box.Icon, TBoxIcon::None);
}

TEST_F(FindingTheEditor, CyclesTheQuestionOverTwoFoldersUntilYes) {
    Processes.AddRunning("C:\\A\\Quillon.exe");
    Processes.AddRunning("C:\\B\\QUILLON.EXE");
    Processes.AddRunning("C:\\C\\NotQuillon.exe");
    for (TBoxAnswer answer : {TBoxAnswer::No, TBoxAnswer::No, TBoxAnswer::Yes}) Ui.Answer(answer);
    EXPECT_EQ(Find(), "C:\\A\\QUILLON.EXE");  // No, No, then Yes on the first again
    std::vector<std::string> texts = Texts();
    ASSERT_EQ(texts.size(), 4u);
    const std::string question =
        "複数のQuillonインストールパスを検出しました。\r\nこのQuillonのパスでよろしいですか？\r\n";
    EXPECT_EQ(texts[1], question + "C:\\A\\QUILLON.EXE");
    EXPECT_EQ(texts[2], question + "C:\\B\\QUILLON.EXE");
    EXPECT_EQ(texts[3], question + "C:\\A\\QUILLON.EXE");
    EXPECT_EQ(Ui.Messages()[1].Box.Buttons, TBoxButtons::YesNoCancel);
    EXPECT_TRUE(Ui.Messages()[1].Box.OwnedByDesktop);
}

TEST_F(FindingTheEditor, GivesNothingWhenTheQuestionIsCancelled) {
    Processes.AddRunning("C:\\A\\Quillon.exe");
    Processes.AddRunning("C:\\B\\Quillon.exe");
    Ui.Answer(TBoxAnswer::Cancel);
    EXPECT_EQ(Find(), "");
}

TEST_F(FindingTheEditor, AsksTheUserToEnterThePathWhenNoEditorRuns) {
    Processes.AddRunning("C:\\Windows\\explorer.exe");
    EXPECT_EQ(Find(), "");
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           StartRequest,
                           "Quillonを探しましたが起動してません。\r\nご自分で入力するか参"
                           "照してください。"}));
}

TEST_F(FindingTheEditor, RaisesTheSnapshotErrorWhenProcessesCannotBeListed) {
    Processes.FailListing(true);
    try {
        Find();
        FAIL() << "no error raised";
    } catch (const EEnumProcessesError& error) {
        EXPECT_STREQ(error.what(), "プロセスのスナップショットを取得できませんでした。");
    }
}

TEST(ProcessEnumeration, StripsPathsCallsBackPerProcessAndStopsWhenAsked) {
    fakes::TFakeProcesses processes;
    processes.AddRunning("  C:\\a.exe ");
    processes.AddRunning("C:\\b.exe");
    processes.AddRunning("C:\\c.exe");
    TEnumProcesses enumerator(processes);
    std::vector<std::string> seen;
    enumerator.OnEnum = [&](const std::string& name, std::uint32_t, bool& continueEnum,
                            std::int32_t lParam) {
        seen.push_back(name + "/" + std::to_string(lParam));
        continueEnum = seen.size() < 2;
    };
    enumerator.Enumerate(7);
    EXPECT_EQ(seen, (std::vector<std::string>{"C:\\a.exe/7", "C:\\b.exe/7"}));
    EXPECT_EQ(enumerator.Paths(), (std::vector<std::string>{"C:\\a.exe", "C:\\b.exe"}));
}

}  // namespace
}  // namespace wyndrel::layout
