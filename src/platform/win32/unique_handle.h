// Move-only owners for Win32 resources: kernel handles, windows, menus, icons, keys, DLLs.
#pragma once

#include "platform/win32/windows_header.h"

#include <utility>

namespace wyndrel::win32 {

// Owns one resource of type T and releases it with Traits::Close when it goes.
template <typename T, typename Traits>
class TUniqueResource {
public:
    TUniqueResource() noexcept = default;
    explicit TUniqueResource(T value) noexcept : FValue(value) {}
    ~TUniqueResource() { Reset(); }

    TUniqueResource(const TUniqueResource&) = delete;
    TUniqueResource& operator=(const TUniqueResource&) = delete;
    TUniqueResource(TUniqueResource&& other) noexcept : FValue(other.Release()) {}
    TUniqueResource& operator=(TUniqueResource&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    T Get() const noexcept { return FValue; }
    bool IsValid() const noexcept { return Traits::IsValid(FValue); }
    explicit operator bool() const noexcept { return IsValid(); }

    T Release() noexcept { return std::exchange(FValue, Traits::Invalid()); }
    void Reset(T value = Traits::Invalid()) noexcept {
        T old = std::exchange(FValue, value);
        if (Traits::IsValid(old)) Traits::Close(old);
    }

private:
    T FValue = Traits::Invalid();
};

struct TKernelHandleTraits {
    static HANDLE Invalid() noexcept { return nullptr; }
    static bool IsValid(HANDLE h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) noexcept { ::CloseHandle(h); }
};

// Searches of FindFirstFile: INVALID_HANDLE_VALUE for failure, closed with FindClose.
struct TFindHandleTraits {
    static HANDLE Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) noexcept { return h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) noexcept { ::FindClose(h); }
};

// Files opened by CreateFile: INVALID_HANDLE_VALUE for failure, closed with CloseHandle.
struct TFileTraits {
    static HANDLE Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) noexcept { return h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) noexcept { ::CloseHandle(h); }
};

struct TWindowTraits {
    static HWND Invalid() noexcept { return nullptr; }
    static bool IsValid(HWND h) noexcept { return h != nullptr; }
    static void Close(HWND h) noexcept { ::DestroyWindow(h); }
};

struct TMenuTraits {
    static HMENU Invalid() noexcept { return nullptr; }
    static bool IsValid(HMENU h) noexcept { return h != nullptr; }
    static void Close(HMENU h) noexcept { ::DestroyMenu(h); }
};

struct TIconTraits {
    static HICON Invalid() noexcept { return nullptr; }
    static bool IsValid(HICON h) noexcept { return h != nullptr; }
    static void Close(HICON h) noexcept { ::DestroyIcon(h); }
};

struct TRegistryKeyTraits {
    static HKEY Invalid() noexcept { return nullptr; }
    static bool IsValid(HKEY h) noexcept { return h != nullptr; }
    static void Close(HKEY h) noexcept { ::RegCloseKey(h); }
};

struct TModuleTraits {
    static HMODULE Invalid() noexcept { return nullptr; }
    static bool IsValid(HMODULE h) noexcept { return h != nullptr; }
    static void Close(HMODULE h) noexcept { ::FreeLibrary(h); }
};

struct TGdiObjectTraits {
    static HGDIOBJ Invalid() noexcept { return nullptr; }
    static bool IsValid(HGDIOBJ h) noexcept { return h != nullptr; }
    static void Close(HGDIOBJ h) noexcept { ::DeleteObject(h); }
};

using TUniqueHandle = TUniqueResource<HANDLE, TKernelHandleTraits>;
using TUniqueFile = TUniqueResource<HANDLE, TFileTraits>;
using TUniqueFindHandle = TUniqueResource<HANDLE, TFindHandleTraits>;
using TUniqueWindow = TUniqueResource<HWND, TWindowTraits>;
using TUniqueMenu = TUniqueResource<HMENU, TMenuTraits>;
using TUniqueIcon = TUniqueResource<HICON, TIconTraits>;
using TUniqueKey = TUniqueResource<HKEY, TRegistryKeyTraits>;
using TUniqueGdiObject = TUniqueResource<HGDIOBJ, TGdiObjectTraits>;
using TUniqueModule = TUniqueResource<HMODULE, TModuleTraits>;

}  // namespace wyndrel::win32
