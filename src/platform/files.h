// The file-system port: existence, attributes, whole-file reads and atomic writes, and the
// folders the program may keep its own files in.
// Paths and texts are UTF-8; text files are in the system's ANSI code page on disk and
// are converted at this boundary.
#pragma once

#include "platform/clock.h"
#include "platform/types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace wyndrel {

// A whole file's text, or why it could not be read.
using TReadResult = std::variant<std::string, TPlatformError>;

class IFiles {
public:
    virtual ~IFiles() = default;

    virtual bool FileExists(const std::string& path) = 0;
    virtual bool DirectoryExists(const std::string& path) = 0;
    virtual bool IsReadOnly(const std::string& path) = 0;
    // Clears the read-only attribute and keeps every other one; false when it failed.
    [[nodiscard]] virtual bool ClearReadOnly(const std::string& path) = 0;

    // The file's text converted from the ANSI code page.
    [[nodiscard]] virtual TReadResult ReadTextFile(const std::string& path) = 0;
    // Writes the text in the ANSI code page to a temporary file beside `path`, flushes it and
    // puts it in place in one step, keeping the attributes, creation time and security of an
    // existing `path`; on failure `path` is left as it was. A text with a character the code
    // page cannot hold is not written at all (error 1113).
    [[nodiscard]] virtual std::optional<TPlatformError> WriteTextFileAtomically(
        const std::string& path, const std::string& text) = 0;
    [[nodiscard]] virtual bool RemoveFile(const std::string& path) = 0;
    // Whether a write could put a new text at `path` now: its folder takes a new file (a write
    // goes through a temporary file beside the target) and a file already there may be opened
    // for reading and writing. A folder at `path` cannot be written. Nothing is left behind.
    virtual bool CanWriteFile(const std::string& path) = 0;
    // Creates one folder in an existing one; true when the folder exists afterwards.
    virtual bool CreateFolder(const std::string& path) = 0;
    // The user's own folder for programs' files (%APPDATA%), without a trailing backslash;
    // none when the system names none.
    virtual std::optional<std::string> UserAppDataFolder() = 0;

    // The name of the last component as the file system stores it (long name, stored
    // letter case), when that file or folder exists.
    virtual std::optional<std::string> StoredName(const std::string& path) = 0;
    // Whether every character of `text` has a code of its own in the ANSI code page, so a
    // file in that code page holds it unaltered.
    virtual bool FitsCodePage(const std::string& text) = 0;
    // The short (8.3) form of an existing file's or folder's path as its volume gives it (the
    // path as it stands where the volume keeps no short names); none for a missing path.
    virtual std::optional<std::string> ShortPath(const std::string& path) = 0;
    // Last write time in 100-nanosecond units since 1601-01-01 (UTC).
    virtual std::optional<std::int64_t> LastWriteTime(const std::string& path) = 0;
    // The last write time of a file or folder in the user's local time, to the second.
    virtual std::optional<TLocalDateTime> LastWriteLocalTime(const std::string& path) = 0;
};

}  // namespace wyndrel
