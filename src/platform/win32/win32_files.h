// The file-system port on Win32: texts in the ANSI code page on disk, atomic replacement
// that keeps what the user set on the file.
#pragma once

#include "platform/files.h"

namespace wyndrel::win32 {

class TWin32Files : public IFiles {
public:
    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    bool IsReadOnly(const std::string& path) override;
    [[nodiscard]] bool ClearReadOnly(const std::string& path) override;
    [[nodiscard]] TReadResult ReadTextFile(const std::string& path) override;
    [[nodiscard]] std::optional<TPlatformError> WriteTextFileAtomically(
        const std::string& path, const std::string& text) override;
    [[nodiscard]] bool RemoveFile(const std::string& path) override;
    bool CanWriteFile(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    std::optional<std::string> UserAppDataFolder() override;
    std::optional<std::string> StoredName(const std::string& path) override;
    bool FitsCodePage(const std::string& text) override;
    std::optional<std::string> ShortPath(const std::string& path) override;
    std::optional<std::int64_t> LastWriteTime(const std::string& path) override;
    std::optional<TLocalDateTime> LastWriteLocalTime(const std::string& path) override;
};

}  // namespace wyndrel::win32
