// The folder of the running benchmark, where the programs it starts stand beside it.
#pragma once

#include "platform/win32/windows_header.h"

#include <string>

namespace bench {

// With its closing backslash.
inline std::wstring Folder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

}  // namespace bench
