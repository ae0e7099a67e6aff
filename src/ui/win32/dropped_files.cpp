// DragQueryFileW over every dropped name, then DragFinish.
#include "ui/win32/dropped_files.h"

#include "platform/win32/wide_string.h"

namespace wyndrel::ui::win32 {
namespace {

// Releases the drop however the reading ends.
struct TDropRelease {
    HDROP Drop;
    ~TDropRelease() { ::DragFinish(Drop); }
};

}  // namespace

std::vector<std::string> TakeDroppedFiles(HDROP drop) {
    TDropRelease release{drop};
    std::vector<std::string> paths;
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        // Long paths are not cut to MAX_PATH: the size is asked first.
        const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(static_cast<std::size_t>(length) + 1, L'\0');
        path.resize(::DragQueryFileW(drop, i, path.data(), length + 1));
        paths.push_back(wyndrel::win32::Narrow(path));
    }
    return paths;
}

}  // namespace wyndrel::ui::win32
