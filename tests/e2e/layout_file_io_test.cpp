// Layout files on a real file system: code page 932 on disk, replacement in one step that keeps
// the target's attributes, and paths the code page cannot hold.
#include "layout/layout_file_io.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/windows_header.h"
#include "platform/win32/win32_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

using wyndrel::layout::ReadLayoutFile;
using wyndrel::layout::TLayout;
using wyndrel::layout::TLayoutFileContent;
using wyndrel::layout::WriteLayoutFile;
using wyndrel::win32::Narrow;

TEST(LayoutFileOnDisk, RoundTripsJapanesePathsThroughCodePage932) {
    TTempFolder folder;
    wyndrel::win32::TWin32Files files;
    std::string target = Narrow(folder.File(L"配置.qdl"));
    std::vector<TLayout> entries = {{"C:\\資料\\議事録.txt", 5, -4, -4, 1032, 768, {}},
                                    {"D:\\ﾒﾓ\\ａｂｃ.txt  ", 0, 10, 20, 300, 400, {}}};
    ASSERT_FALSE(WriteLayoutFile(files, target, entries));

    std::string bytes = ReadBytes(folder.File(L"配置.qdl"));
    // 議 is 0x8B 0x63 in code page 932; no UTF-8 reaches the disk.
    EXPECT_NE(bytes.find("File=C:\\\x8E\x91\x97\xBF\\\x8B\x63\x8E\x96\x98\x5E.txt\r\n"),
              std::string::npos);

    auto read = ReadLayoutFile(files, target);
    ASSERT_TRUE(std::holds_alternative<TLayoutFileContent>(read));
    const auto& content = std::get<TLayoutFileContent>(read);
    ASSERT_FALSE(content.Error);
    ASSERT_EQ(content.Entries.size(), 2u);
    EXPECT_EQ(content.Entries[0].FileName, entries[0].FileName);
    EXPECT_EQ(content.Entries[1].FileName, entries[1].FileName);
    EXPECT_EQ(content.Entries[0].Width, 1032);
}

TEST(LayoutFileOnDisk, ReplacesTheOldFileWholeAndLeavesNoTemporaryFile) {
    TTempFolder folder;
    wyndrel::win32::TWin32Files files;
    std::string target = Narrow(folder.File(L"a.qdl"));
    ASSERT_FALSE(WriteLayoutFile(files, target, {{"C:\\one.txt", 1, 1, 1, 1, 1, {}}}));
    ASSERT_FALSE(WriteLayoutFile(files, target, {{"C:\\two.txt", 2, 2, 2, 2, 2, {}}}));
    EXPECT_EQ(ReadBytes(folder.File(L"a.qdl")),
              "[QuillonLayoutFile]\r\nFile=C:\\two.txt\r\nCurs=2\r\nRect=2,2,2,2\r\n");
    EXPECT_EQ(::GetFileAttributesW(folder.File(L"a.qdl.wyndrel-tmp").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

TEST(LayoutFileOnDisk, ReplacementKeepsAHiddenTargetHiddenAndAFailedOneKeepsTheOldContent) {
    TTempFolder folder;
    wyndrel::win32::TWin32Files files;
    std::wstring hidden = folder.File(L"hidden.qdl");
    ASSERT_FALSE(WriteLayoutFile(files, Narrow(hidden), {{"C:\\one.txt", 1, 1, 1, 1, 1, {}}}));
    ASSERT_TRUE(::SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_NE(::GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    ASSERT_FALSE(WriteLayoutFile(files, Narrow(hidden), {{"C:\\two.txt", 2, 2, 2, 2, 2, {}}}));
    EXPECT_NE(::GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_NE(ReadBytes(hidden).find("File=C:\\two.txt"), std::string::npos);

    // Another program holds the target without sharing: the replacement fails after its retries.
    const std::string old = ReadBytes(hidden);
    HANDLE held =
        ::CreateFileW(hidden.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    auto error = WriteLayoutFile(files, Narrow(hidden), {{"C:\\three.txt", 3, 3, 3, 3, 3, {}}});
    ::CloseHandle(held);
    EXPECT_TRUE(error);
    EXPECT_EQ(ReadBytes(hidden), old);
    EXPECT_EQ(::GetFileAttributesW(folder.File(L"hidden.qdl.wyndrel-tmp").c_str()),
              INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(::GetFileAttributesW(folder.File(L"hidden.qdl.wyndrel-bak").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

TEST(LayoutFileOnDisk, StoresAPathWithCharactersOutsideCodePage932AsTheShortPathOfTheSameFile) {
    TTempFolder folder;
    wyndrel::win32::TWin32Files files;
    ASSERT_TRUE(::CreateDirectoryW(folder.File(L"über").c_str(), nullptr));
    std::wstring document = folder.File(L"über\\café.txt");
    WriteBytes(document, "the very file");
    std::string target = Narrow(folder.File(L"a.qdl"));
    ASSERT_FALSE(WriteLayoutFile(files, target, {{Narrow(document), 0, 0, 0, 9, 9, {}}}));

    auto read = ReadLayoutFile(files, target);
    ASSERT_TRUE(std::holds_alternative<TLayoutFileContent>(read));
    ASSERT_EQ(std::get<TLayoutFileContent>(read).Entries.size(), 1u);
    std::string stored = std::get<TLayoutFileContent>(read).Entries[0].FileName;
    EXPECT_TRUE(files.FitsCodePage(stored)) << stored;
    EXPECT_FALSE(files.FitsCodePage(Narrow(document)));
    EXPECT_EQ(ReadBytes(wyndrel::win32::Widen(stored)), "the very file");
}

TEST(LayoutFileOnDisk, ReportsAMissingFolderOrFileWithThePlatformsError) {
    TTempFolder folder;
    wyndrel::win32::TWin32Files files;
    auto error = WriteLayoutFile(files, Narrow(folder.File(L"no-such-folder\\a.qdl")), {});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->TypeName, "EInOutError");
    EXPECT_EQ(error->Code, static_cast<std::uint32_t>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(error->Message.empty());

    auto read = ReadLayoutFile(files, Narrow(folder.File(L"missing.qdl")));
    ASSERT_TRUE(std::holds_alternative<wyndrel::TPlatformError>(read));
    EXPECT_EQ(std::get<wyndrel::TPlatformError>(read).Code,
              static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
}  // namespace e2e
