// One suite of expectations on the file port, run against the fake natively and against the
// Win32 adapter under Wine, so that the fake cannot drift from the platform.
// A World type supplies the port, a fresh folder, and files made outside the port:
//   IFiles& Files();
//   std::string Folder();  // an existing, empty folder, without a trailing backslash
//   void AddFile(const std::string& path, const std::string& ansiText, bool readOnly);
// Its ANSI code page holds Japanese but not "é", as code page 932 does.
#pragma once

#include "platform/files.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace wyndrel::contract {

template <typename World>
class FilesContract : public ::testing::Test {
protected:
    World TheWorld;
    IFiles& Files() { return TheWorld.Files(); }
    std::string In(const std::string& name) { return TheWorld.Folder() + "\\" + name; }
    // The platform's error code of a read, or 0 when it succeeded.
    std::uint32_t ReadError(const std::string& path) {
        TReadResult read = Files().ReadTextFile(path);
        auto* error = std::get_if<TPlatformError>(&read);
        return error ? error->Code : 0;
    }
    // The file's text, or the error code of a failed read.
    std::string Read(const std::string& path) {
        TReadResult read = Files().ReadTextFile(path);
        if (auto* error = std::get_if<TPlatformError>(&read))
            return "error " + std::to_string(error->Code);
        return std::get<std::string>(read);
    }
    std::uint32_t WriteError(const std::string& path, const std::string& text) {
        auto error = Files().WriteTextFileAtomically(path, text);
        return error ? error->Code : 0;
    }
};

TYPED_TEST_SUITE_P(FilesContract);

TYPED_TEST_P(FilesContract, ReadsBackWhatItWroteAndReplacesAFileWhole) {
    const std::string path = this->In("day.qdl");
    EXPECT_EQ(this->WriteError(path, "[QuillonLayoutFile]\r\nFile=C:\\議事録.txt\r\n"), 0u);
    EXPECT_TRUE(this->Files().FileExists(path));
    EXPECT_EQ(this->Read(path), "[QuillonLayoutFile]\r\nFile=C:\\議事録.txt\r\n");
    EXPECT_TRUE(this->Files().LastWriteTime(path));
    const auto local = this->Files().LastWriteLocalTime(path);
    ASSERT_TRUE(local);
    EXPECT_GE(local->Year, 2010);
    EXPECT_TRUE(local->Month >= 1 && local->Month <= 12 && local->Day >= 1 && local->Day <= 31);
    EXPECT_EQ(this->WriteError(path, "short"), 0u);
    EXPECT_EQ(this->Read(path), "short");
    EXPECT_TRUE(this->Files().RemoveFile(path));
    EXPECT_FALSE(this->Files().FileExists(path));
    EXPECT_FALSE(this->Files().RemoveFile(path));
}

TYPED_TEST_P(FilesContract, ReportsMissingPathsAndFoldersWithThePlatformsCodes) {
    const std::string missing = this->In("missing.qdl");
    const std::string inMissingFolder = this->In("no folder\\a.qdl");
    EXPECT_EQ(this->ReadError(missing), 2u);
    EXPECT_EQ(this->ReadError(inMissingFolder), 3u);
    EXPECT_EQ(this->WriteError(inMissingFolder, "x"), 3u);
    EXPECT_EQ(this->Files().LastWriteTime(missing), std::nullopt);
    EXPECT_EQ(this->Files().LastWriteLocalTime(missing), std::nullopt);
    EXPECT_EQ(this->Files().ShortPath(missing), std::nullopt);

    const std::string folder = this->In("sub");
    ASSERT_EQ(this->WriteError(folder + "\\a.txt", "x"), 3u);
    this->TheWorld.AddFile(folder + "\\a.txt", "x", false);
    EXPECT_TRUE(this->Files().DirectoryExists(folder));
    EXPECT_FALSE(this->Files().FileExists(folder));
    EXPECT_FALSE(this->Files().DirectoryExists(folder + "\\a.txt"));
    EXPECT_EQ(this->ReadError(folder), 5u);
    EXPECT_EQ(this->WriteError(folder, "x"), 5u);
}

TYPED_TEST_P(FilesContract, GivesTheStoredNameWhateverLetterCaseItIsAskedIn) {
    const std::string path = this->In("Mixed Case.TXT");
    this->TheWorld.AddFile(path, "old", false);
    EXPECT_EQ(this->Files().StoredName(this->In("mixed case.txt")), "Mixed Case.TXT");
    // A replacement takes the name as it was written.
    EXPECT_EQ(this->WriteError(this->In("MIXED CASE.txt"), "new"), 0u);
    EXPECT_EQ(this->Files().StoredName(path), "MIXED CASE.txt");
    EXPECT_EQ(this->Read(this->In("mixed case.txt")), "new");
    EXPECT_EQ(this->Files().StoredName(this->In("other.txt")), std::nullopt);
}

TYPED_TEST_P(FilesContract, ClearsTheReadOnlyAttributeAndKeepsTheFile) {
    const std::string path = this->In("kept.qdl");
    this->TheWorld.AddFile(path, "kept", true);
    EXPECT_TRUE(this->Files().IsReadOnly(path));
    EXPECT_TRUE(this->Files().ClearReadOnly(path));
    EXPECT_FALSE(this->Files().IsReadOnly(path));
    EXPECT_EQ(this->Read(path), "kept");
    EXPECT_FALSE(this->Files().IsReadOnly(this->In("missing.qdl")));
    EXPECT_FALSE(this->Files().ClearReadOnly(this->In("missing.qdl")));
}

TYPED_TEST_P(FilesContract, WritesNoTextTheCodePageCannotHold) {
    const std::string path = this->In("cafe.qdl");
    this->TheWorld.AddFile(path, "before", false);
    EXPECT_TRUE(this->Files().FitsCodePage("C:\\資料\\議事録.txt"));
    EXPECT_FALSE(this->Files().FitsCodePage("C:\\acc\\café.txt"));
    EXPECT_EQ(this->WriteError(path, "File=C:\\acc\\café.txt\r\n"), 1113u);
    EXPECT_EQ(this->Read(path), "before");
}

TYPED_TEST_P(FilesContract, TellsWhereAFileCanBeWrittenAndMakesFoldersInExistingOnes) {
    const std::string file = this->In("wyndrel.ini");
    EXPECT_TRUE(this->Files().CanWriteFile(file));
    EXPECT_FALSE(this->Files().FileExists(file));
    this->TheWorld.AddFile(file, "[Option]\r\n", false);
    EXPECT_TRUE(this->Files().CanWriteFile(file));
    EXPECT_EQ(this->Read(file), "[Option]\r\n");
    EXPECT_FALSE(this->Files().CanWriteFile(this->In("no folder\\wyndrel.ini")));

    const std::string folder = this->In("Wyndrel");
    EXPECT_TRUE(this->Files().CreateFolder(folder));
    EXPECT_TRUE(this->Files().DirectoryExists(folder));
    EXPECT_TRUE(this->Files().CreateFolder(folder));
    EXPECT_FALSE(this->Files().CanWriteFile(folder));
    EXPECT_TRUE(this->Files().CanWriteFile(folder + "\\wyndrel.ini"));
    EXPECT_FALSE(this->Files().CreateFolder(this->In("no folder\\Wyndrel")));
    EXPECT_FALSE(this->Files().DirectoryExists(this->In("no folder")));

    const std::optional<std::string> appData = this->Files().UserAppDataFolder();
    ASSERT_TRUE(appData);
    EXPECT_TRUE(this->Files().DirectoryExists(*appData));
    EXPECT_NE(appData->back(), '\\');
}

REGISTER_TYPED_TEST_SUITE_P(FilesContract, ReadsBackWhatItWroteAndReplacesAFileWhole,
                            ReportsMissingPathsAndFoldersWithThePlatformsCodes,
                            GivesTheStoredNameWhateverLetterCaseItIsAskedIn,
                            ClearsTheReadOnlyAttributeAndKeepsTheFile,
                            WritesNoTextTheCodePageCannotHold,
                            TellsWhereAFileCanBeWrittenAndMakesFoldersInExistingOnes);

}  // namespace wyndrel::contract
