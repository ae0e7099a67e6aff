// Layout files through the file port: reads, read errors, and writes that never lose the
// previous file.
#include "fakes/fake_files.h"
#include "layout/layout_file_io.h"

#include <gtest/gtest.h>

namespace wyndrel::layout {
namespace {

class LayoutFileIo : public ::testing::Test {
protected:
    fakes::TFakeFiles Files;
    const std::string Target = "C:\\Layouts\\work.qdl";
    const std::string Previous =
        "[QuillonLayoutFile]\r\nFile=C:\\old.txt\r\nCurs=0\r\nRect=0,0,1,1\r\n";
    const std::vector<TLayout> Entries = {{"C:\\資料\\a.txt", 3, 1, 2, 3, 4, {}}};
};

TEST_F(LayoutFileIo, WritesAndReadsBackTheSameEntries) {
    Files.AddFolder("C:\\Layouts");
    ASSERT_FALSE(WriteLayoutFile(Files, Target, Entries));
    auto read = ReadLayoutFile(Files, "c:\\layouts\\WORK.qdl");
    ASSERT_TRUE(std::holds_alternative<TLayoutFileContent>(read));
    ASSERT_EQ(std::get<TLayoutFileContent>(read).Entries.size(), 1u);
    EXPECT_EQ(std::get<TLayoutFileContent>(read).Entries[0].FileName, "C:\\資料\\a.txt");
}

TEST_F(LayoutFileIo, KeepsThePreviousFileWholeWhenTheDiskIsFull) {
    Files.AddFile(Target, Previous);
    Files.FailWritesWithDiskFull(true);
    auto error = WriteLayoutFile(Files, Target, Entries);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Code, 112u);
    EXPECT_EQ(Files.Content(Target), Previous);
}

TEST_F(LayoutFileIo, RefusesAReadOnlyTargetAndAMissingFolder) {
    Files.AddFile(Target, Previous, true);
    EXPECT_EQ(WriteLayoutFile(Files, Target, Entries)->Code, 5u);
    EXPECT_EQ(Files.Content(Target), Previous);
    EXPECT_EQ(WriteLayoutFile(Files, "D:\\nowhere\\x.qdl", Entries)->Code, 3u);
    EXPECT_FALSE(Files.FileExists("D:\\nowhere\\x.qdl"));
}

TEST_F(LayoutFileIo, ExplainsAFileThatCannotBeRead) {
    auto read = ReadLayoutFile(Files, "C:\\missing.qdl");
    ASSERT_TRUE(std::holds_alternative<TPlatformError>(read));
    EXPECT_EQ(LayoutReadErrorText(std::get<TPlatformError>(read)),
              "ファイル読込中にEInOutErrorクラスのエラーが発生しました\r\nメッセージ："
              "The system cannot find the file specified.\r\nIOResult: 2");
}

}  // namespace
}  // namespace wyndrel::layout
