// The file contract against the Win32 adapter, in a fresh folder on disk.
#include "contract/files_contract.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/windows_header.h"
#include "platform/win32/win32_files.h"
#include "support/temp_folder.h"

namespace wyndrel::contract {
namespace {

class TWin32FilesWorld {
public:
    IFiles& Files() { return FFiles; }
    std::string Folder() { return win32::Narrow(FFolder.Path()); }
    void AddFile(const std::string& path, const std::string& text, bool readOnly) {
        std::wstring wide = win32::Widen(path);
        ::CreateDirectoryW(win32::Widen(path.substr(0, path.rfind('\\'))).c_str(), nullptr);
        e2e::WriteBytes(wide, win32::Utf8ToAnsi(text));
        if (readOnly) ::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY);
    }
    // A read-only file left by a failed check would outlive the folder's removal.
    ~TWin32FilesWorld() {
        ::SetFileAttributesW(FFolder.File(L"kept.qdl").c_str(), FILE_ATTRIBUTE_NORMAL);
    }

private:
    e2e::TTempFolder FFolder;
    win32::TWin32Files FFiles;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, FilesContract, TWin32FilesWorld);

}  // namespace
}  // namespace wyndrel::contract
