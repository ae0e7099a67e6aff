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
