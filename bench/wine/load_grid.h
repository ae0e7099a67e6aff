// The layout both sides of the restore benchmark work on: closed editors' files in the
// temporary folder, each with its own rectangle on a grid.
#pragma once

#include "platform/win32/windows_header.h"

#include <string>

namespace bench {

inline constexpr int LoadEditorCount = 20;

inline std::wstring LoadGridFile(int index) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"wyndrel-load-" + std::to_wstring(index) + L".txt";
}

// Left, top, width and height, as the layout file and SetWindowPos take them.
struct TGridBox {
    int Left, Top, Width, Height;
};

inline TGridBox LoadGridBox(int index) {
    return {20 + (index % 5) * 150, 20 + (index / 5) * 110, 420, 300};
}

}  // namespace bench
