// CreateFile, ReadFile, WriteFile, FlushFileBuffers, ReplaceFile and MoveFileEx. A write goes
// to a temporary file beside the target and replaces the target only when it is complete, so a
// failing write (full disk, device gone) never leaves a truncated file behind.
#include "platform/win32/win32_files.h"

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_string.h"

#include <shlobj.h>

#include <vector>

namespace wyndrel::win32 {
namespace {

constexpr int PlaceAttempts = 10;
constexpr DWORD PlaceRetryDelayMs = 50;

TPlatformError ErrorOf(DWORD code) {
    return TPlatformError{"EInOutError", SystemErrorText(code), static_cast<std::uint32_t>(code)};
}

TPlatformError LastError() { return ErrorOf(::GetLastError()); }

DWORD Attributes(const std::string& path) { return ::GetFileAttributesW(Widen(path).c_str()); }

[[nodiscard]] std::optional<TPlatformError> WriteAll(HANDLE file, const std::string& bytes) {
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

// The attributes a user sets on a file, and those SetFileAttributesW accepts at all.
constexpr DWORD UserAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                 FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
constexpr DWORD SettableAttributes =
    UserAttributes | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_TEMPORARY;

// Not every ReplaceFileW carries the target's attributes over (Wine's moves the new file in
// as it is), so where they came out different they are set again.
void KeepUserAttributes(const std::wstring& target, DWORD before) {
    DWORD after = ::GetFileAttributesW(target.c_str());
    if (after == INVALID_FILE_ATTRIBUTES || (after & UserAttributes) == (before & UserAttributes))
        return;
    DWORD wanted = (after & SettableAttributes & ~UserAttributes) | (before & UserAttributes);
    ::SetFileAttributesW(target.c_str(), wanted ? wanted : FILE_ATTRIBUTE_NORMAL);
}

// ReplaceFileW keeps what the user set on the target: attributes (a hidden file stays hidden),
// creation time, security and streams. With a backup name every failure leaves the old
// content under a known name: where the platform has already moved it to the backup
// (ERROR_UNABLE_TO_MOVE_REPLACEMENT_2), it goes back.
[[nodiscard]] DWORD ReplaceOnce(const std::wstring& from, const std::wstring& to,
                                DWORD attributes) {
    std::wstring backup = to + L".wyndrel-bak";
    // Merge errors (security the user may not rewrite) must not cost the user the save.
    if (::ReplaceFileW(to.c_str(), from.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS,
                       nullptr, nullptr)) {
        ::DeleteFileW(backup.c_str());
        KeepUserAttributes(to, attributes);
        return ERROR_SUCCESS;
    }
    DWORD error = ::GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        ::MoveFileExW(backup.c_str(), to.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return error;
}

[[nodiscard]] DWORD MoveOnce(const std::wstring& from, const std::wstring& to) {
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return ERROR_SUCCESS;
    return ::GetLastError();
}

// Another program (a virus scanner, an indexer) may hold the target for a moment.
bool IsPassingLock(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_LOCK_VIOLATION || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Over an existing target by replacement, else by a write-through move.
[[nodiscard]] std::optional<TPlatformError> PutInPlace(const std::wstring& from,
                                                       const std::wstring& to) {
    for (int attempt = 1;; ++attempt) {
        DWORD attributes = ::GetFileAttributesW(to.c_str());
        DWORD error = attributes != INVALID_FILE_ATTRIBUTES ? ReplaceOnce(from, to, attributes)
                                                            : MoveOnce(from, to);
        if (error == ERROR_SUCCESS) return std::nullopt;
        if (!IsPassingLock(error) || attempt == PlaceAttempts) return ErrorOf(error);
        ::Sleep(PlaceRetryDelayMs);  // sleep-ok: a short pause between bounded retries while
                                     // another program holds the file
    }
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
    return ::SetFileAttributesW(Widen(path).c_str(),
                                attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)) != 0;
}

TReadResult TWin32Files::ReadTextFile(const std::string& path) {
    TUniqueFile file(::CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastError();
    std::string bytes;
    std::vector<char> chunk(1 << 16);
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr))
            return LastError();
        if (read == 0) break;
        bytes.append(chunk.data(), read);
    }
    return AnsiToUtf8(bytes);
}

std::optional<TPlatformError> TWin32Files::WriteTextFileAtomically(const std::string& path,
                                                                   const std::string& text) {
    std::optional<std::string> bytes = Utf8ToAnsiExact(text);
    if (!bytes) return ErrorOf(ERROR_NO_UNICODE_TRANSLATION);
    // Windows refuses to move a file over a folder (access denied); asked first, every
    // platform answers alike and no temporary file is written for nothing.
    if (DWORD existing = Attributes(path);
        existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_DIRECTORY))
        return ErrorOf(ERROR_ACCESS_DENIED);
    std::wstring target = Widen(path);
    std::wstring temporary = target + L".wyndrel-tmp";
    {
        TUniqueFile file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return LastError();
        if (auto error = WriteAll(file.Get(), *bytes)) {
            file.Reset();
            ::DeleteFileW(temporary.c_str());
            return error;
        }
    }
    if (auto error = PutInPlace(temporary, target)) {
        ::DeleteFileW(temporary.c_str());
        return error;
    }
    return std::nullopt;
}

bool TWin32Files::RemoveFile(const std::string& path) {
    return ::DeleteFileW(Widen(path).c_str()) != 0;
}

// Asked with the access the write needs, not read off the attributes and rights: only the
// system knows what it would refuse. A file another program holds open for a moment is
// writable all the same, as the write retries it.
bool TWin32Files::CanWriteFile(const std::string& path) {
    const std::wstring target = Widen(path);
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return false;
        TUniqueFile existing(::CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!existing && ::GetLastError() != ERROR_SHARING_VIOLATION) return false;
    }
    TUniqueFile probe(::CreateFileW((target + L".wyndrel-probe").c_str(), GENERIC_WRITE | DELETE, 0,
                                    nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return static_cast<bool>(probe);
}

bool TWin32Files::CreateFolder(const std::string& path) {
    return ::CreateDirectoryW(Widen(path).c_str(), nullptr) || DirectoryExists(path);
}

std::optional<std::string> TWin32Files::UserAppDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)) ||
        !folder[0])
        return std::nullopt;
    return Narrow(folder);
}

std::optional<std::string> TWin32Files::StoredName(const std::string& path) {
    // A search pattern would name whichever file matched first, not the one asked about.
    if (path.find_first_of("*?") != std::string::npos) return std::nullopt;
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(Widen(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    ::FindClose(search);
    return Narrow(found.cFileName);
}

bool TWin32Files::FitsCodePage(const std::string& text) {
    return Utf8ToAnsiExact(text).has_value();
}

std::optional<std::string> TWin32Files::ShortPath(const std::string& path) {
    std::wstring longPath = Widen(path);
    DWORD length = ::GetShortPathNameW(longPath.c_str(), nullptr, 0);
    if (length == 0) return std::nullopt;
    std::wstring shortPath(length, L'\0');
    length = ::GetShortPathNameW(longPath.c_str(), shortPath.data(), length);
    if (length == 0 || length >= shortPath.size()) return std::nullopt;
    shortPath.resize(length);
    return Narrow(shortPath);
}

std::optional<std::int64_t> TWin32Files::LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    return (static_cast<std::int64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

// Converted with the zone's present bias, as the file dates that Explorer lists are.
std::optional<TLocalDateTime> TWin32Files::LastWriteLocalTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    FILETIME local{};
    SYSTEMTIME time{};
    if (!::FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) ||
        !::FileTimeToSystemTime(&local, &time))
        return std::nullopt;
    return TLocalDateTime{time.wYear,   time.wMonth,  time.wDay,          time.wHour,
                          time.wMinute, time.wSecond, time.wMilliseconds, time.wDayOfWeek};
}

}  // namespace wyndrel::win32
