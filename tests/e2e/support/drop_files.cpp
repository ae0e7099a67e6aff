// Building a drop in global memory the way the shell hands it over.
#include "support/drop_files.h"

#include <shlobj.h>

#include <algorithm>

namespace e2e {

HDROP MakeDrop(const std::vector<std::wstring>& paths) {
    std::size_t chars = 1;
    for (const auto& path : paths) chars += path.size() + 1;
    HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(::GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* names = reinterpret_cast<wchar_t*>(header + 1);
    for (const auto& path : paths) names = std::copy(path.begin(), path.end(), names) + 1;
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

bool DropReleased(HDROP drop) { return ::GlobalFlags(drop) == GMEM_INVALID_HANDLE; }

}  // namespace e2e
