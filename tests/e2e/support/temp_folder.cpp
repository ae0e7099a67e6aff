// Temporary folders under the system's temporary path.
#include "support/temp_folder.h"

#include "platform/win32/windows_header.h"

#include <fstream>
#include <iterator>

namespace e2e {
namespace {

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry{};
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = folder + L"\\" + name;
            ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                ::DeleteFileW(path.c_str());
        } while (::FindNextFileW(search, &entry));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace

TTempFolder::TTempFolder() {
    wchar_t base[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, base);
    // Wine hands out process ids again soon, and an editor of an ended test may still show
    // its file for a moment: the time makes every folder's paths new.
    static unsigned counter = 0;
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    FPath = std::wstring(base) + L"wyndrel-e2e-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
            std::to_wstring(now.QuadPart) + L"-" + std::to_wstring(++counter);
    ::CreateDirectoryW(FPath.c_str(), nullptr);
}

TTempFolder::~TTempFolder() { RemoveTree(FPath); }

std::string ReadBytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream file(path.c_str(), std::ios::binary);
    file << bytes;
}

}  // namespace e2e
