// An in-memory file system with the platform's rules: paths compared without regard to
// letter case, read-only files, folders, short names, a code page that lacks the characters a
// test declares, and writes that fail on demand. Writes replace a
// file in one step, so a failed write leaves the old content whole.
#pragma once

#include "platform/files.h"

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace wyndrel::fakes {

// Thrown out of a write that the test has the program "killed" in; nothing after it runs.
class ESimulatedCrash : public std::runtime_error {
public:
    ESimulatedCrash() : std::runtime_error("simulated crash during a write") {}
};

class TFakeFiles : public IFiles {
public:
    // Adds a file (and its folders) with the given text.
    void AddFile(const std::string& path, const std::string& text, bool readOnly = false);
    void AddFolder(const std::string& path);
    // Writes into this folder fail with access denied.
    void MakeFolderUnwritable(const std::string& path) { FUnwritable.insert(Key(path)); }
    // Reads of this file fail with access denied, as when its rights deny the user or another
    // program holds it open without sharing; `false` makes it readable again.
    void MakeUnreadable(const std::string& path, bool unreadable = true) {
        if (unreadable)
            FUnreadable.insert(Key(path));
        else
            FUnreadable.erase(Key(path));
    }
    // Removes the folder with everything in it, as another program deleting it would.
    void RemoveFolder(const std::string& path);
    // The next writes fail as a full disk would; the target stays as it was.
    void FailWritesWithDiskFull(bool fail) { FDiskFull = fail; }
    // The next write dies half-way, as when the program is killed: half the new text is left
    // in the temporary file beside the target, the target is untouched, and ESimulatedCrash
    // unwinds the caller.
    void CrashDuringNextWrite() { FCrashNextWrite = true; }
    // Characters (each in UTF-8) the code page cannot hold; the fake code page holds all others.
    void DeclareUnfitCharacters(std::vector<std::string> characters) {
        FUnfit = std::move(characters);
    }
    // The short form the volume gives for an existing path; other existing paths are their own.
    void AddShortPath(const std::string& path, const std::string& shortPath) {
        FShortPaths[Key(path)] = shortPath;
    }
    // The folder UserAppDataFolder names (and makes it); none until a test sets one.
    void SetUserAppDataFolder(const std::string& path) {
        AddFolder(path);
        FAppData = path;
    }
    // The temporary file a write uses beside `path`, as the Win32 adapter names it.
    static std::string TemporaryPath(const std::string& path) { return path + ".wyndrel-tmp"; }

    std::string Content(const std::string& path) const;
    int WriteCount() const { return FWrites; }

    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    bool IsReadOnly(const std::string& path) override;
    bool ClearReadOnly(const std::string& path) override;
    TReadResult ReadTextFile(const std::string& path) override;
    std::optional<TPlatformError> WriteTextFileAtomically(const std::string& path,
                                                          const std::string& text) override;
    bool RemoveFile(const std::string& path) override;
    bool CanWriteFile(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    std::optional<std::string> UserAppDataFolder() override { return FAppData; }
    std::optional<std::string> StoredName(const std::string& path) override;
    bool FitsCodePage(const std::string& text) override;
    std::optional<std::string> ShortPath(const std::string& path) override;
    std::optional<std::int64_t> LastWriteTime(const std::string& path) override;
    // The time set by SetLastWriteLocalTime, else the write time read in a zone at UTC.
    std::optional<TLocalDateTime> LastWriteLocalTime(const std::string& path) override;
    void SetLastWriteLocalTime(const std::string& path, const TLocalDateTime& time);
    // In 100-nanosecond units since 1601 (UTC); files start at 0.
    void SetLastWriteTime(const std::string& path, std::int64_t time) {
        FFiles.at(Key(path)).WriteTime = time;
    }

private:
    struct TFakeFile {
        std::string StoredPath;
        std::string Text;
        bool ReadOnly = false;
        std::int64_t WriteTime = 0;
        std::optional<TLocalDateTime> LocalWriteTime;
    };
    static std::string Key(const std::string& path);
    static std::string Parent(const std::string& path);

    std::map<std::string, TFakeFile> FFiles;
    std::map<std::string, std::string> FFolders;  // key -> stored path
    std::set<std::string> FUnwritable;
    std::set<std::string> FUnreadable;
    std::vector<std::string> FUnfit;
    std::optional<std::string> FAppData;
    std::map<std::string, std::string> FShortPaths;  // key -> short form
    bool FDiskFull = false;
    bool FCrashNextWrite = false;
    int FWrites = 0;
    std::int64_t FClock = 130000000000000000;
};

}  // namespace wyndrel::fakes
