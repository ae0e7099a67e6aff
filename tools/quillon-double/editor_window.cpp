// Window creation, layout and saving of the editor's main window.
#include "editor_window.h"

#include "document_file.h"
#include "save_accelerator.h"

#include <utility>

namespace quillon {
namespace {

constexpr const wchar_t* MainClass = L"TQuillonMainForm";
constexpr const wchar_t* PathClass = L"TEdit";
constexpr const wchar_t* TextClass = L"TEditor";
constexpr int PathBarHeight = 24;

// "TEdit" and "TEditor" are the system's edit control under the editor's own class names,
// so every edit-control message behaves exactly as the platform's.
void RegisterEditClass(const wchar_t* className) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (::GetClassInfoExW(instance, className, &existing)) return;
    WNDCLASSEXW edit{};
    edit.cbSize = sizeof(edit);
    ::GetClassInfoExW(nullptr, L"EDIT", &edit);
    edit.cbSize = sizeof(edit);
    edit.hInstance = instance;
    edit.lpszClassName = className;
    ::RegisterClassExW(&edit);
}

std::wstring Title(const std::wstring& path) {
    if (path.empty()) return L"無題 - Quillon";
    size_t separator = path.find_last_of(L"\\/:");
    return path.substr(separator == std::wstring::npos ? 0 : separator + 1) + L" - Quillon";
}

std::wstring ControlText(HWND control) {
    int length = ::GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = ::GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied));
    return text;
}

}  // namespace

TEditorWindow::TEditorWindow(TOpenRequest request, TTestKnobs knobs)
    : FRequest(std::move(request)), FKnobs(std::move(knobs)) {}

bool TEditorWindow::Create(int showCommand) {
    RegisterWindowClass(MainClass, ::LoadIconW(nullptr, IDI_APPLICATION));
    RegisterEditClass(PathClass);
    RegisterEditClass(TextClass);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    ::GetStartupInfoW(&startup);
    int left = FKnobs.HasPosition ? FKnobs.Left : CW_USEDEFAULT;
    int top = FKnobs.HasPosition ? FKnobs.Top : CW_USEDEFAULT;
    int width = 640, height = 480;
    if (startup.dwFlags & STARTF_USEPOSITION) {
        left = static_cast<int>(startup.dwX);
        top = static_cast<int>(startup.dwY);
    }
    if (startup.dwFlags & STARTF_USESIZE) {
        width = static_cast<int>(startup.dwXSize);
        height = static_cast<int>(startup.dwYSize);
    }
    HWND window = CreateOwnWindow(MainClass, Title(FRequest.Path), WS_OVERLAPPEDWINDOW, 0, left,
                                  top, width, height);
    if (!window) return false;
    ::ShowWindow(window, showCommand);
    ::UpdateWindow(window);
    return true;
}

bool TEditorWindow::OnCreate() {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    FFont.Reset(::CreateFontW(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              FIXED_PITCH | FF_MODERN, L"MS Gothic"));
    // The path is filled in last: whoever finds this window by its path finds the text loaded.
    FPathChild = ::CreateWindowExW(WS_EX_CLIENTEDGE, PathClass, L"",
                                   WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_READONLY, 0, 0, 0, 0,
                                   Handle(), nullptr, instance, nullptr);
    FTextChild =
        ::CreateWindowExW(WS_EX_CLIENTEDGE, TextClass, L"",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                              ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                          0, 0, 0, 0, Handle(), nullptr, instance, nullptr);
    if (!FPathChild || !FTextChild) return false;
    for (HWND child : {FPathChild, FTextChild})
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Get()), FALSE);
    ::SendMessageW(FTextChild, EM_SETLIMITTEXT, 0, 0);
    if (!FRequest.Path.empty()) ::SetWindowTextW(FTextChild, LoadDocument(FRequest.Path).c_str());
    ::SendMessageW(FTextChild, EM_SETSEL, static_cast<WPARAM>(FKnobs.Caret),
                   static_cast<LPARAM>(FKnobs.Caret));
    ::SendMessageW(FTextChild, EM_SETMODIFY, FALSE, 0);
    ::SetWindowTextW(FPathChild, FRequest.Path.c_str());
    ::SetFocus(FTextChild);
    return true;
}

void TEditorWindow::OnSize(int width, int height) {
    ::MoveWindow(FPathChild, 0, 0, width, PathBarHeight, TRUE);
    ::MoveWindow(FTextChild, 0, PathBarHeight, width,
                 height > PathBarHeight ? height - PathBarHeight : 0, TRUE);
}

void TEditorWindow::OnDestroy() { ::PostQuitMessage(0); }

void TEditorWindow::OnCommand(int id, int, HWND) {
    if (id == SaveCommandId) Save(L"keystroke");
}

LRESULT TEditorWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SAVEREQUEST) {
        Save(L"message");
        return 0;
    }
    if (message == WM_SETFOCUS) {
        ::SetFocus(FTextChild);
        return 0;
    }
    return TWindowBase::OnMessage(message, wParam, lParam);
}

void TEditorWindow::Save(const wchar_t* way) {
    if (FRequest.Path.empty()) {
        LogSave(FKnobs, L"skipped", L"");
        return;
    }
    if (!SaveDocument(FRequest.Path, ControlText(FTextChild))) {
        LogSave(FKnobs, L"failed", FRequest.Path);
        return;
    }
    ::SendMessageW(FTextChild, EM_SETSEL, static_cast<WPARAM>(FKnobs.Caret),
                   static_cast<LPARAM>(FKnobs.Caret));
    ::SendMessageW(FTextChild, EM_SETMODIFY, FALSE, 0);
    LogSave(FKnobs, way, FRequest.Path);
}

}  // namespace quillon
