// CreateFile, ReadFile, WriteFile, FlushFileBuffers and MoveFileEx. A write goes to a
// temporary file beside the target and replaces the target only when it is complete, so a
// failing write (full disk, device gone) never leaves a truncated file behind.
#include "platform/win32/win32_files.h"

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_string.h"

#include <vector>

namespace wyndrel::win32 {
namespace {

constexpr int MoveAttempts = 10;
constexpr DWORD MoveRetryDelayMs = 50;

TPlatformError LastError() {
    DWORD code = ::GetLastError();
    return TPlatformError{"EInOutError", SystemErrorText(code), static_cast<std::uint32_t>(code)};
}

DWORD Attributes(const std::string& path) { return ::GetFileAttributesW(Widen(path).c_str()); }

std::optional<TPlatformError> WriteAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) return LastError();
        done += written;
    }
    if (!::FlushFileBuffers(file)) return LastError();
    return std::nullopt;
}

bool MoveOver(const std::wstring& from, const std::wstring& to) {
    for (int attempt = 0; attempt < MoveAttempts; ++attempt) {
        if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        DWORD error = ::GetLastError();
        // Another program (a virus scanner, an indexer) may hold the target for a moment.
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED && error != ERROR_LOCK_VIOLATION)
            return false;
        ::Sleep(MoveRetryDelayMs);
    }
    return false;
}

}  // namespace

bool TWin32Files::FileExists(const std::string& path) {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool TWin32Files::DirectoryExists(const std::string& path) {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool TWin32Files::IsReadOnly(const std::string& path) {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool TWin32Files::ClearReadOnly(const std::string& path) {
    DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return ::SetFileAttributesW(Widen(path).c_str(), attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)) != 0;
}

TReadResult TWin32Files::ReadTextFile(const std::string& path) {
    TUniqueFile file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastError();
    std::string bytes;
    std::vector<char> chunk(1 << 16);
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr)) return LastError();
        if (read == 0) break;
        bytes.append(chunk.data(), read);
    }
    return AnsiToUtf8(bytes);
}

std::optional<TPlatformError> TWin32Files::WriteTextFileAtomically(const std::string& path, const std::string& text) {
    std::wstring target = Widen(path);
    std::wstring temporary = target + L".wyndrel-tmp";
    {
        TUniqueFile file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return LastError();
        if (auto error = WriteAll(file.Get(), Utf8ToAnsi(text))) {
            file.Reset();
            ::DeleteFileW(temporary.c_str());
            return error;
        }
    }
    if (!MoveOver(temporary, target)) {
        TPlatformError error = LastError();
        ::DeleteFileW(temporary.c_str());
        return error;
    }
    return std::nullopt;
}

bool TWin32Files::RemoveFile(const std::string& path) { return ::DeleteFileW(Widen(path).c_str()) != 0; }

std::optional<std::string> TWin32Files::StoredName(const std::string& path) {
    // A search pattern would name whichever file matched first, not the one asked about.
    if (path.find_first_of("*?") != std::string::npos) return std::nullopt;
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(Widen(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    ::FindClose(search);
    return Narrow(found.cFileName);
}

std::optional<std::int64_t> TWin32Files::LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return (static_cast<std::int64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

}  // namespace wyndrel::win32
