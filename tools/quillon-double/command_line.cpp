// Command-line reading: the editor takes one document per process.
#include "command_line.h"

#include "platform/win32/windows_header.h"

#include <vector>

namespace quillon {
namespace {

std::wstring Trimmed(const std::wstring& text) {
    size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return {};
    size_t last = text.find_last_not_of(L" \t");
    return text.substr(first, last - first + 1);
}

std::wstring FullPath(const std::wstring& path) {
    DWORD length = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::vector<wchar_t> buffer(length + 1);
    DWORD written = ::GetFullPathNameW(path.c_str(), length + 1, buffer.data(), nullptr);
    return written ? std::wstring(buffer.data(), written) : path;
}

}  // namespace

std::wstring ArgumentsAfterProgram(const std::wstring& commandLine,
                                   const std::wstring& programPath) {
    std::size_t end = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        end = commandLine.find(L'"', 1);
        end = end == std::wstring::npos ? commandLine.size() : end + 1;
    } else if (!programPath.empty() && commandLine.size() >= programPath.size() &&
               ::CompareStringOrdinal(commandLine.c_str(), static_cast<int>(programPath.size()),
                                      programPath.c_str(), static_cast<int>(programPath.size()),
                                      TRUE) == CSTR_EQUAL &&
               (commandLine.size() == programPath.size() ||
                commandLine[programPath.size()] == L' ' ||
                commandLine[programPath.size()] == L'\t')) {
        end = programPath.size();
    } else {
        end = commandLine.find_first_of(L" \t");
        if (end == std::wstring::npos) end = commandLine.size();
    }
    return commandLine.substr(end);
}

TOpenRequest ParseCommandLine(const std::wstring& arguments) {
    std::wstring rest = Trimmed(arguments);
    TOpenRequest request;
    if (rest.empty()) return request;
    if (rest[0] == L'/') {
        request.TypeWord = rest.substr(1);
        return request;
    }
    if (rest.front() == L'"') {
        size_t close = rest.find(L'"', 1);
        rest = rest.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
    }
    request.Path = FullPath(rest);
    return request;
}

}  // namespace quillon
