// EnumWindows, WM_GETTEXT and EM_GETSEL from the test's side.
#include "support/desktop_probe.h"

#include <cstdio>

namespace e2e {
namespace {

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    int length = ::GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<size_t>(length));
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::wstring WithoutMnemonics(const std::wstring& text) {
    std::wstring plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

void Click(HWND dialog, HWND button) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
}

// Why a process showed no window of `className`, on the test's output: it never started,
// it ended (with its exit code), or the windows it shows instead.
void ReportNoWindowOf(HANDLE process, const std::wstring& className) {
    DWORD code = 0;
    if (!process) {
        std::fwprintf(stderr, L"no %ls window: the process was never started\n", className.c_str());
        return;
    }
    if (::GetExitCodeProcess(process, &code) && code != STILL_ACTIVE) {
        std::fwprintf(stderr, L"no %ls window: the process ended with exit code %lu\n",
                      className.c_str(), code);
        return;
    }
    std::fwprintf(stderr, L"no %ls window; the process is running and shows:\n", className.c_str());
    DWORD processId = ::GetProcessId(process);
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner != *reinterpret_cast<DWORD*>(context) || !::IsWindowVisible(window))
                return TRUE;
            // GetWindowText reads another process's caption without asking its window, which
            // may be the one that hangs.
            wchar_t caption[256] = {};
            ::GetWindowTextW(window, caption, 256);
            std::fwprintf(stderr, L"  %ls \"%ls\"\n", ClassOf(window).c_str(), caption);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&processId));
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs) {
    DWORD start = ::GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (::GetTickCount() - start >= timeoutMs) return false;
        ::Sleep(20);  // sleep-ok: the pause of a bounded poll for a condition in another process
    }
}

std::vector<HWND> TopLevelWindowsOfClass(const std::wstring& className) {
    struct TSearch {
        std::wstring ClassName;
        std::vector<HWND> Found;
    } search{className, {}};
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<TSearch*>(context);
            if (ClassOf(window) == s->ClassName) s->Found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND TooltipOf(HWND window) {
    for (HWND tooltip : TopLevelWindowsOfClass(TOOLTIPS_CLASSW))
        if (::GetWindow(tooltip, GW_OWNER) == window) return tooltip;
    return nullptr;
}

std::wstring WindowText(HWND window) {
    wchar_t text[4096] = {};
    LRESULT length = ::SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
    return std::wstring(text, static_cast<size_t>(length));
}

std::wstring EditorPath(HWND editor) {
    return WindowText(::FindWindowExW(editor, nullptr, L"TEdit", nullptr));
}

HWND EditorTextControl(HWND editor) {
    return ::FindWindowExW(editor, nullptr, L"TEditor", nullptr);
}

DWORD EditorCaret(HWND editor) {
    DWORD start = 0;
    ::SendMessageW(EditorTextControl(editor), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return start;
}

RECT WindowRectangle(HWND window) {
    RECT bounds{};
    ::GetWindowRect(window, &bounds);
    return bounds;
}

HWND WaitForEditorShowing(const std::wstring& path, unsigned timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND editor : TopLevelWindowsOfClass(L"TQuillonMainForm"))
                if (::IsWindowVisible(editor) && EditorPath(editor) == path) {
                    found = editor;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

HWND WaitForWindowOfProcess(HANDLE process, const std::wstring& className, unsigned timeoutMs) {
    DWORD processId = ::GetProcessId(process);
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindowsOfClass(className)) {
                DWORD owner = 0;
                ::GetWindowThreadProcessId(window, &owner);
                if (owner == processId && ::IsWindowVisible(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    if (!found) ReportNoWindowOf(process, className);
    return found;
}

HWND WaitForDialog(const std::wstring& caption, unsigned timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND dialog : TopLevelWindowsOfClass(L"#32770"))
                if (WindowText(dialog) == caption && ::IsWindowVisible(dialog)) {
                    found = dialog;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

std::wstring DialogText(HWND dialog) {
    std::wstring text;
    for (HWND child : ChildrenOf(dialog)) {
        if (ClassOf(child) != L"Static") continue;
        std::wstring part = WindowText(child);
        if (part.empty()) continue;
        if (!text.empty()) text += L"\n";
        text += part;
    }
    return text;
}

bool PressDialogButton(HWND dialog, const std::wstring& buttonText) {
    for (HWND child : ChildrenOf(dialog)) {
        if (ClassOf(child) != L"Button") continue;
        std::wstring text = WindowText(child);
        if (text == buttonText || WithoutMnemonics(text) == buttonText) {
            Click(dialog, child);
            return true;
        }
    }
    return false;
}

bool PressDialogButtonById(HWND dialog, int id) {
    HWND button = ::GetDlgItem(dialog, id);
    if (!button) return false;
    Click(dialog, button);
    return true;
}

}  // namespace e2e
