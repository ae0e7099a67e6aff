// HKEY_CURRENT_USER's string values through RegGetValueW, RegSetValueExW and RegDeleteKeyValueW.
#include "platform/win32/win32_user_registry.h"

#include "platform/win32/wide_string.h"
#include "platform/win32/windows_header.h"

#include <vector>

namespace wyndrel::win32 {
namespace {

TPlatformError RegistryError(LSTATUS status) {
    return TPlatformError{"ERegistryException", SystemErrorText(static_cast<unsigned long>(status)),
                          static_cast<std::uint32_t>(status)};
}

}  // namespace

std::optional<std::string> TWin32UserRegistry::ReadString(const std::string& key,
                                                          const std::string& name) {
    const std::wstring wideKey = Widen(key), wideName = Widen(name);
    DWORD bytes = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, wideKey.c_str(), wideName.c_str(), RRF_RT_REG_SZ, nullptr,
                       nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegGetValueW(HKEY_CURRENT_USER, wideKey.c_str(), wideName.c_str(), RRF_RT_REG_SZ, nullptr,
                       text.data(), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return Narrow(text.data());
}

std::optional<TPlatformError> TWin32UserRegistry::WriteString(const std::string& key,
                                                              const std::string& name,
                                                              const std::string& value) {
    HKEY opened = nullptr;
    LSTATUS status =
        ::RegCreateKeyExW(HKEY_CURRENT_USER, Widen(key).c_str(), 0, nullptr,
                          REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &opened, nullptr);
    if (status != ERROR_SUCCESS) return RegistryError(status);
    const std::wstring text = Widen(value);
    status = ::RegSetValueExW(opened, Widen(name).c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(opened);
    if (status != ERROR_SUCCESS) return RegistryError(status);
    return std::nullopt;
}

std::optional<TPlatformError> TWin32UserRegistry::DeleteValue(const std::string& key,
                                                              const std::string& name) {
    const LSTATUS status =
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, Widen(key).c_str(), Widen(name).c_str());
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    return RegistryError(status);
}

}  // namespace wyndrel::win32
