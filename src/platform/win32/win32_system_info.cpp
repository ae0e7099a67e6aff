// Facts about the machine, each from one platform call.
#include "platform/win32/win32_system_info.h"

#include "platform/win32/wide_string.h"
#include "platform/win32/windows_header.h"

namespace wyndrel::win32 {
namespace {

using TRtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOEXW*);

}  // namespace

// GetVersionExW reports what the compatibility shims make of the system (6.2 for a
// program that does not declare the newer systems); the kernel's own call does not lower it.
TOsVersion TWin32SystemInfo::OsVersion() {
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    auto rtlGetVersion = ntdll ? reinterpret_cast<TRtlGetVersion>(reinterpret_cast<void*>(
                                     ::GetProcAddress(ntdll, "RtlGetVersion")))
                               : nullptr;
    if (!rtlGetVersion || rtlGetVersion(&info) != 0) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        ::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info));
#pragma GCC diagnostic pop
    }
    return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber,
            Narrow(info.szCSDVersion)};
}

std::optional<std::string> TWin32SystemInfo::LocalMachineText(const std::string& keyPath,
                                                              const std::string& valueName) {
    std::wstring key = Widen(keyPath);
    while (!key.empty() && key.front() == L'\\') key.erase(key.begin());
    const std::wstring name = Widen(valueName);
    DWORD bytes = 0;
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str(),
                       RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, nullptr,
                       &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name.c_str(),
                       RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, text.data(),
                       &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
    return Narrow(text);
}

std::string TWin32SystemInfo::UserName() {
    wchar_t name[256] = {};
    DWORD size = 256;
    return ::GetUserNameW(name, &size) ? Narrow(name) : std::string{};
}

std::string TWin32SystemInfo::ComputerName() {
    wchar_t name[256] = {};
    DWORD size = 256;
    return ::GetComputerNameW(name, &size) ? Narrow(name) : std::string{};
}

TMemoryStatus TWin32SystemInfo::MemoryStatus() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!::GlobalMemoryStatusEx(&status)) return {};
    return {status.ullTotalPhys,    status.ullAvailPhys,     status.ullTotalVirtual,
            status.ullAvailVirtual, status.ullTotalPageFile, status.ullAvailPageFile};
}

std::string TWin32SystemInfo::SystemDirectory() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? Narrow(folder) : std::string{};
}

TDisplayFacts TWin32SystemInfo::Display() {
    TDisplayFacts facts;
    facts.ScreenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    facts.ScreenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    if (HDC screen = ::GetDC(nullptr)) {
        facts.Planes = ::GetDeviceCaps(screen, PLANES);
        facts.BitsPerPixel = ::GetDeviceCaps(screen, BITSPIXEL);
        ::ReleaseDC(nullptr, screen);
    }
    return facts;
}

}  // namespace wyndrel::win32
