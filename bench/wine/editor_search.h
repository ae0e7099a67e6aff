// The editor window showing a file, found with the calls a plain program makes: the class of
// every top-level window, and the path in one read.
#pragma once

#include "platform/win32/windows_header.h"

#include <string>

namespace bench {

inline HWND FindShowing(const std::wstring& path) {
    struct TSearch {
        const std::wstring* Path;
        HWND Found;
    } search{&path, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<TSearch*>(context);
            wchar_t name[256] = {};
            ::GetClassNameW(window, name, 256);
            if (std::wstring(name) != L"TQuillonMainForm") return TRUE;
            wchar_t text[512] = {};
            ::SendMessageW(::FindWindowExW(window, nullptr, L"TEdit", nullptr), WM_GETTEXT, 512,
                           reinterpret_cast<LPARAM>(text));
            if (::lstrcmpiW(text, s.Path->c_str()) != 0) return TRUE;
            s.Found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

}  // namespace bench
