// The desktop contract against the Win32 adapter, with real windows of this process.
#include "contract/desktop_contract.h"
#include "platform/win32/wide_string.h"
#include "platform/win32/win32_desktop.h"

#include <set>

namespace wyndrel::contract {
namespace {

using win32::ToHwnd;
using win32::ToWindowId;
using win32::Widen;

// Registers `className` once: as a plain window class, or as a copy of the system's edit
// control under that name.
void RegisterOnce(const std::wstring& className, bool asEditControl) {
    static std::set<std::wstring> registered;
    if (!registered.insert(className).second) return;
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (asEditControl) {
        ::GetClassInfoExW(nullptr, L"EDIT", &windowClass);
    } else {
        windowClass.lpfnWndProc = ::DefWindowProcW;
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    }
    windowClass.cbSize = sizeof(windowClass);
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className.c_str();
    ASSERT_NE(::RegisterClassExW(&windowClass), 0) << "cannot register a test window class";
}

class TWin32DesktopWorld {
public:
    ~TWin32DesktopWorld() {
        for (HWND window : FWindows)
            if (::IsWindow(window)) ::DestroyWindow(window);
    }
    IDesktop& Desktop() { return FDesktop; }

    WindowId AddTopLevel(const std::string& className, const Rect& bounds) {
        RegisterOnce(Widen(className), false);
        HWND window =
            ::CreateWindowExW(0, Widen(className).c_str(), L"contract", WS_OVERLAPPEDWINDOW,
                              bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), nullptr,
                              nullptr, ::GetModuleHandleW(nullptr), nullptr);
        FWindows.push_back(window);
        return ToWindowId(window);
    }
    WindowId AddChild(WindowId parent, const std::string& className, const std::string& text) {
        RegisterOnce(Widen(className), false);
        return ToWindowId(CreateChild(parent, className, text, 0));
    }
    WindowId AddEditControl(WindowId parent, const std::string& className, const std::string& text,
                            int caret) {
        RegisterOnce(Widen(className), true);
        HWND edit = CreateChild(parent, className, text, ES_MULTILINE);
        ::SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(caret), caret);
        return ToWindowId(edit);
    }
    void Destroy(WindowId window) { ::DestroyWindow(ToHwnd(window)); }
    void Minimise(WindowId window) { ::ShowWindow(ToHwnd(window), SW_MINIMIZE); }

private:
    HWND CreateChild(WindowId parent, const std::string& className, const std::string& text,
                     DWORD style) {
        return ::CreateWindowExW(0, Widen(className).c_str(), Widen(text).c_str(), WS_CHILD | style,
                                 0, 0, 100, 20, ToHwnd(parent), nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    }

    win32::TWin32Desktop FDesktop;
    std::vector<HWND> FWindows;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, DesktopContract, TWin32DesktopWorld);

}  // namespace
}  // namespace wyndrel::contract

namespace wyndrel::contract {
namespace {

// The calls of the thread's DPI context, which the headers for older systems do not declare.
template <typename TFunction>
TFunction User32(const char* name) {
    return reinterpret_cast<TFunction>(
        reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

// The geometry calls switch to the DPI-unaware context for their own duration only: the
// program's windows, created on the same thread afterwards, stay per-monitor aware.
TEST(Win32DesktopDpiScope, GeometryCallsLeaveTheThreadsDpiAwarenessAsTheyFoundIt) {
    using TContext = DPI_AWARENESS_CONTEXT;
    auto set = User32<TContext(WINAPI*)(TContext)>("SetThreadDpiAwarenessContext");
    auto get = User32<TContext(WINAPI*)()>("GetThreadDpiAwarenessContext");
    auto equal = User32<BOOL(WINAPI*)(TContext, TContext)>("AreDpiAwarenessContextsEqual");
    ASSERT_TRUE(set && get && equal) << "the platform has no per-thread DPI context";
    TContext before = set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    TContext aware = get();
    ASSERT_FALSE(equal(aware, DPI_AWARENESS_CONTEXT_UNAWARE));
    TWin32DesktopWorld world;
    WindowId window = world.AddTopLevel("WyndrelContractA", {10, 10, 300, 200});
    ASSERT_TRUE(world.Desktop().SetWindowPos(window, TInsertAfter::Top, 20, 20, 300, 200,
                                             TPlacementFlags::ShowWindow));
    world.Desktop().WindowRect(window);
    world.Desktop().NormalPosition(window);
    world.Desktop().Monitors();
    EXPECT_TRUE(equal(get(), aware));
    set(before);
}

}  // namespace
}  // namespace wyndrel::contract
