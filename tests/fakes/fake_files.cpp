// The in-memory file system. Error codes are the platform's: 2 file not found, 3 path not
// found, 5 access denied, 112 disk full, 1113 a character without a code in the code page.
#include "fakes/fake_files.h"

#include "text/case_mapping.h"
#include "text/path_split.h"

namespace wyndrel::fakes {
namespace {

TPlatformError Error(std::uint32_t code, const char* message) {
    return TPlatformError{"EInOutError", message, code};
}

}  // namespace

std::string TFakeFiles::Key(const std::string& path) {
    std::string key = text::LocaleUpper(path);
    while (key.size() > 3 && key.back() == '\\') key.pop_back();
    return key;
}

std::string TFakeFiles::Parent(const std::string& path) {
    std::string folder(text::ExtractFilePath(path));
    if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    return folder;
}

void TFakeFiles::AddFolder(const std::string& path) {
    for (std::string folder = path; !folder.empty() && !FFolders.count(Key(folder));
         folder = Parent(folder)) {
        FFolders[Key(folder)] = folder;
        if (Parent(folder) == folder) break;
    }
}

void TFakeFiles::AddFile(const std::string& path, const std::string& text, bool readOnly) {
    AddFolder(Parent(path));
    FFiles[Key(path)] = TFakeFile{path, text, readOnly, ++FClock, std::nullopt};
}

void TFakeFiles::RemoveFolder(const std::string& path) {
    const std::string key = Key(path);
    auto inside = [&](const std::string& other) {
        return other == key || other.starts_with(key + "\\");
    };
    std::erase_if(FFiles, [&](const auto& entry) { return inside(entry.first); });
    std::erase_if(FFolders, [&](const auto& entry) { return inside(entry.first); });
}

std::string TFakeFiles::Content(const std::string& path) const {
    auto found = FFiles.find(Key(path));
    return found == FFiles.end() ? std::string() : found->second.Text;
}

bool TFakeFiles::FileExists(const std::string& path) { return FFiles.count(Key(path)) != 0; }
bool TFakeFiles::DirectoryExists(const std::string& path) {
    std::string key = Key(path);
    // Drive roots always exist, as on the machines the program runs on.
    bool driveRoot = key.size() >= 2 && key.size() <= 3 && key[1] == ':';
    return driveRoot || FFolders.count(key) != 0;
}

bool TFakeFiles::IsReadOnly(const std::string& path) {
    auto found = FFiles.find(Key(path));
    return found != FFiles.end() && found->second.ReadOnly;
}

bool TFakeFiles::ClearReadOnly(const std::string& path) {
    auto found = FFiles.find(Key(path));
    if (found == FFiles.end()) return false;
    found->second.ReadOnly = false;
    return true;
}

TReadResult TFakeFiles::ReadTextFile(const std::string& path) {
    auto found = FFiles.find(Key(path));
    if (found != FFiles.end() && FUnreadable.count(found->first))
        return Error(5, "Access is denied.");
    if (found != FFiles.end()) return found->second.Text;
    if (DirectoryExists(path)) return Error(5, "Access is denied.");
    if (!DirectoryExists(Parent(path)))
        return Error(3, "The system cannot find the path specified.");
    return Error(2, "The system cannot find the file specified.");
}

std::optional<TPlatformError> TFakeFiles::WriteTextFileAtomically(const std::string& path,
                                                                  const std::string& text) {
    if (!DirectoryExists(Parent(path)))
        return Error(3, "The system cannot find the path specified.");
    if (FUnwritable.count(Key(Parent(path))) || DirectoryExists(path) || IsReadOnly(path))
        return Error(5, "Access is denied.");
    if (!FitsCodePage(text))
        return Error(
            1113,
            "No mapping for the Unicode character exists in the target multi-byte code page.");
    if (FDiskFull) return Error(112, "There is not enough space on the disk.");
    if (FCrashNextWrite) {
        FCrashNextWrite = false;
        std::string temporary = TemporaryPath(path);
        FFiles[Key(temporary)] =
            TFakeFile{temporary, text.substr(0, text.size() / 2), false, ++FClock, std::nullopt};
        throw ESimulatedCrash();
    }
    // The replacement takes the name as written, letter case included.
    FFiles[Key(path)] = TFakeFile{path, text, false, ++FClock, std::nullopt};
    ++FWrites;
    return std::nullopt;
}

bool TFakeFiles::RemoveFile(const std::string& path) {
    if (IsReadOnly(path)) return false;
    return FFiles.erase(Key(path)) != 0;
}

// The same refusals as a write's, and an unreadable file, which a settings write never
// replaces; a full disk is not foreseen, as the platform does not foresee it either.
bool TFakeFiles::CanWriteFile(const std::string& path) {
    if (!DirectoryExists(Parent(path)) || FUnwritable.count(Key(Parent(path)))) return false;
    return !DirectoryExists(path) && !IsReadOnly(path) && !FUnreadable.count(Key(path));
}

// A folder is made only in an existing one that takes writes.
bool TFakeFiles::CreateFolder(const std::string& path) {
    if (DirectoryExists(path)) return true;
    if (!DirectoryExists(Parent(path)) || FUnwritable.count(Key(Parent(path))) || FileExists(path))
        return false;
    AddFolder(path);
    return true;
}

std::optional<std::string> TFakeFiles::StoredName(const std::string& path) {
    if (auto file = FFiles.find(Key(path)); file != FFiles.end())
        return std::string(text::ExtractFileName(file->second.StoredPath));
    if (auto folder = FFolders.find(Key(path)); folder != FFolders.end())
        return std::string(text::ExtractFileName(folder->second));
    return std::nullopt;
}

bool TFakeFiles::FitsCodePage(const std::string& text) {
    for (const std::string& character : FUnfit)
        if (text.find(character) != std::string::npos) return false;
    return true;
}

std::optional<std::string> TFakeFiles::ShortPath(const std::string& path) {
    if (!FileExists(path) && !DirectoryExists(path)) return std::nullopt;
    auto found = FShortPaths.find(Key(path));
    return found == FShortPaths.end() ? path : found->second;
}

std::optional<std::int64_t> TFakeFiles::LastWriteTime(const std::string& path) {
    auto found = FFiles.find(Key(path));
    if (found == FFiles.end()) return std::nullopt;
    return found->second.WriteTime;
}

std::optional<TLocalDateTime> TFakeFiles::LastWriteLocalTime(const std::string& path) {
    auto found = FFiles.find(Key(path));
    if (found == FFiles.end()) return std::nullopt;
    if (found->second.LocalWriteTime) return found->second.LocalWriteTime;
    // Days since 1601-01-01 turned into a civil date (the era algorithm of the proleptic
    // Gregorian calendar, counted from 0000-03-01).
    const std::int64_t seconds = found->second.WriteTime / 10000000;
    const std::int64_t days = seconds / 86400 + 584694;  // 1601-01-01 is day 584694 from 0000-03-01
    const std::int64_t era = days / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    TLocalDateTime time;
    time.Day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    time.Month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    time.Year = static_cast<int>(yearOfEra + era * 400 + (time.Month <= 2 ? 1 : 0));
    time.Hour = static_cast<int>(seconds % 86400 / 3600);
    time.Minute = static_cast<int>(seconds % 3600 / 60);
    time.Second = static_cast<int>(seconds % 60);
    time.DayOfWeek = static_cast<int>((seconds / 86400 + 1) % 7);  // 1601-01-01 was a Monday
    return time;
}

void TFakeFiles::SetLastWriteLocalTime(const std::string& path, const TLocalDateTime& time) {
    FFiles.at(Key(path)).LocalWriteTime = time;
}

}  // namespace wyndrel::fakes
