// Message boxes and the message dialog. The dialog is the platform's box under the
// dialog's own caption and icon, owned by the program's active window (a modal dialog while
// one is open, so the box is modal to it), else by the program's window; the system gives
// its buttons the labels of the user's language.
#include "platform/win32/win32_user_interface.h"

#include "platform/win32/message_loop.h"
#include "platform/win32/wide_string.h"

#include <commdlg.h>

#include <vector>

namespace wyndrel::win32 {
namespace {

UINT IconFlag(TBoxIcon icon) {
    switch (icon) {
        case TBoxIcon::Information:
            return MB_ICONINFORMATION;
        case TBoxIcon::Question:
            return MB_ICONQUESTION;
        case TBoxIcon::Warning:
            return MB_ICONWARNING;
        case TBoxIcon::Error:
            return MB_ICONERROR;
        case TBoxIcon::None:
            break;
    }
    return 0;
}

UINT ButtonsFlag(TBoxButtons buttons) {
    switch (buttons) {
        case TBoxButtons::OkCancel:
            return MB_OKCANCEL;
        case TBoxButtons::YesNo:
            return MB_YESNO;
        case TBoxButtons::YesNoCancel:
            return MB_YESNOCANCEL;
        case TBoxButtons::Ok:
            break;
    }
    return MB_OK;
}

TBoxAnswer AnswerOf(int result) {
    switch (result) {
        case IDYES:
            return TBoxAnswer::Yes;
        case IDNO:
            return TBoxAnswer::No;
        case IDCANCEL:
            return TBoxAnswer::Cancel;
        default:
            return TBoxAnswer::Ok;
    }
}

TBoxIcon DialogIcon(TDialogType type) {
    switch (type) {
        case TDialogType::Warning:
            return TBoxIcon::Warning;
        case TDialogType::Error:
            return TBoxIcon::Error;
        case TDialogType::Information:
            return TBoxIcon::Information;
        case TDialogType::Confirmation:
            break;
    }
    return TBoxIcon::Question;
}

// The toolkit's "label|patterns|..." filter as the platform wants it: NUL-separated, two
// NULs at the end.
std::wstring PlatformFilter(const std::string& filter) {
    std::wstring result = Widen(filter);
    for (wchar_t& c : result)
        if (c == L'|') c = L'\0';
    result.push_back(L'\0');
    result.push_back(L'\0');
    return result;
}

std::optional<std::string> RunFileDialog(const TFileDialog& dialog, bool save, HWND owner) {
    std::wstring filter = PlatformFilter(dialog.Filter);
    std::wstring title = Widen(dialog.Title);
    std::wstring extension = Widen(dialog.DefaultExtension);
    std::wstring folder = Widen(dialog.InitialFolder);
    std::vector<wchar_t> file(32768, L'\0');
    std::wstring initial = Widen(dialog.InitialFileName);
    std::copy(initial.begin(), initial.begin() + std::min(initial.size(), file.size() - 1),
              file.begin());

    OPENFILENAMEW chooser{};
    chooser.lStructSize = sizeof(chooser);
    // Modal to the program's window: it takes no other command while the dialog is open.
    chooser.hwndOwner = dialog.Owner ? reinterpret_cast<HWND>(dialog.Owner.Value) : owner;
    chooser.lpstrFilter = filter.c_str();
    chooser.nFilterIndex = 1;
    chooser.lpstrFile = file.data();
    chooser.nMaxFile = static_cast<DWORD>(file.size());
    chooser.lpstrTitle = title.c_str();
    chooser.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    chooser.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    chooser.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLESIZING | OFN_EXPLORER;
    if (dialog.PromptBeforeOverwrite) chooser.Flags |= OFN_OVERWRITEPROMPT;
    if (dialog.FileMustExist) chooser.Flags |= OFN_FILEMUSTEXIST;
    if (dialog.ShortcutsAsFiles) chooser.Flags |= OFN_NODEREFERENCELINKS;
    if (save) chooser.Flags |= OFN_ENABLEINCLUDENOTIFY;
    BOOL chosen = save ? ::GetSaveFileNameW(&chooser) : ::GetOpenFileNameW(&chooser);
    if (!chosen) return std::nullopt;
    return Narrow(file.data());
}

}  // namespace

std::optional<std::string> TWin32UserInterface::ShowOpenDialog(const TFileDialog& dialog) {
    return RunFileDialog(dialog, false, FApplicationWindow);
}

std::optional<std::string> TWin32UserInterface::ShowSaveDialog(const TFileDialog& dialog) {
    return RunFileDialog(dialog, true, FApplicationWindow);
}

TBoxAnswer TWin32UserInterface::ShowMessageBox(const TMessageBox& box) {
    UINT flags = IconFlag(box.Icon) | ButtonsFlag(box.Buttons);
    if (box.SystemModal) flags |= MB_SYSTEMMODAL;
    if (box.TopMost) flags |= MB_TOPMOST;
    if (box.Foreground) flags |= MB_SETFOREGROUND;
    std::wstring caption = box.Caption ? Widen(*box.Caption) : std::wstring();
    HWND owner = box.OwnedByDesktop        ? ::GetDesktopWindow()
                 : box.OwnedByActiveWindow ? ::GetActiveWindow()
                                           : nullptr;
    return AnswerOf(::MessageBoxW(owner, Widen(box.Text).c_str(),
                                  box.Caption ? caption.c_str() : nullptr, flags));
}

TBoxAnswer TWin32UserInterface::ShowMessageDialog(TDialogType type, const std::string& text,
                                                  TBoxButtons buttons) {
    UINT flags = IconFlag(DialogIcon(type)) | ButtonsFlag(buttons);
    HWND active = ::GetActiveWindow();
    HWND owner = active ? active : FApplicationWindow;
    if (!owner) flags |= MB_TASKMODAL | MB_SETFOREGROUND;
    return AnswerOf(
        ::MessageBoxW(owner, Widen(text).c_str(), Widen(DialogCaption(type)).c_str(), flags));
}

void TWin32UserInterface::SetApplicationTitle(const std::string& title) {
    FTitle = title;
    if (FApplicationWindow) ::SetWindowTextW(FApplicationWindow, Widen(title).c_str());
}

void TWin32UserInterface::SetBusyCursor(bool busy) {
    if (busy == FBusy) return;
    FBusy = busy;
    // Work that shows the wait cursor handles no messages, so no WM_SETCURSOR puts the class
    // cursor back before the work ends.
    if (busy)
        FCursorBeforeBusy = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    else
        ::SetCursor(FCursorBeforeBusy ? FCursorBeforeBusy : ::LoadCursorW(nullptr, IDC_ARROW));
}

void TWin32UserInterface::ProcessMessages() { ProcessPendingMessages(); }

void TWin32UserInterface::WaitForMessages(std::uint32_t timeoutMs) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs, QS_ALLINPUT);
    ProcessPendingMessages();
}

}  // namespace wyndrel::win32
