// Raising and restoring the prefix's LogPixels in both places Wine reads it from.
#include "support/log_pixels.h"

#include <iterator>
#include <utility>

namespace e2e {
namespace {

// Wine reads the user's value, the machine's current configuration when that is missing.
const std::pair<HKEY, const wchar_t*> Keys[] = {{HKEY_CURRENT_USER, L"Control Panel\\Desktop"},
                                                {HKEY_CURRENT_CONFIG, L"Software\\Fonts"}};

}  // namespace

TLogPixels::TLogPixels(DWORD dpi) {
    for (auto& [root, path] : Keys) {
        HKEY key = nullptr;
        ::RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
        DWORD old = 0, size = sizeof(old);
        FOld.push_back(::RegQueryValueExW(key, L"LogPixels", nullptr, nullptr,
                                          reinterpret_cast<BYTE*>(&old), &size) == ERROR_SUCCESS
                           ? old
                           : 0);
        ::RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                         sizeof(dpi));
        ::RegCloseKey(key);
    }
}

TLogPixels::~TLogPixels() {
    for (size_t i = 0; i < std::size(Keys); ++i) {
        HKEY key = nullptr;
        if (::RegOpenKeyExW(Keys[i].first, Keys[i].second, 0, KEY_WRITE, &key) != ERROR_SUCCESS)
            continue;
        if (FOld[i])
            ::RegSetValueExW(key, L"LogPixels", 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&FOld[i]), sizeof(DWORD));
        else
            ::RegDeleteValueW(key, L"LogPixels");
        ::RegCloseKey(key);
    }
}

}  // namespace e2e
