// Message boxes and the message dialog. The dialog is a task dialog with buttons of our own
// so that its captions read exactly as the program's other dialogs do.
#include "platform/win32/win32_user_interface.h"

#include "platform/win32/message_loop.h"
#include "platform/win32/wide_string.h"

#include <commctrl.h>

#include <vector>

namespace wyndrel::win32 {
namespace {

UINT IconFlag(TBoxIcon icon) {
    switch (icon) {
        case TBoxIcon::Information: return MB_ICONINFORMATION;
        case TBoxIcon::Question: return MB_ICONQUESTION;
        case TBoxIcon::Warning: return MB_ICONWARNING;
        case TBoxIcon::Error: return MB_ICONERROR;
        case TBoxIcon::None: break;
    }
    return 0;
}

UINT ButtonsFlag(TBoxButtons buttons) {
    switch (buttons) {
        case TBoxButtons::OkCancel: return MB_OKCANCEL;
        case TBoxButtons::YesNo: return MB_YESNO;
        case TBoxButtons::YesNoCancel: return MB_YESNOCANCEL;
        case TBoxButtons::Ok: break;
    }
    return MB_OK;
}

TBoxAnswer AnswerOf(int result) {
    switch (result) {
        case IDYES: return TBoxAnswer::Yes;
        case IDNO: return TBoxAnswer::No;
        case IDCANCEL: return TBoxAnswer::Cancel;
        default: return TBoxAnswer::Ok;
    }
}

std::vector<std::pair<int, const char*>> DialogButtons(TBoxButtons buttons) {
    switch (buttons) {
        case TBoxButtons::OkCancel: return {{IDOK, DialogButtonOk}, {IDCANCEL, DialogButtonCancel}};
        case TBoxButtons::YesNo: return {{IDYES, DialogButtonYes}, {IDNO, DialogButtonNo}};
        case TBoxButtons::YesNoCancel:
            return {{IDYES, DialogButtonYes}, {IDNO, DialogButtonNo}, {IDCANCEL, DialogButtonCancel}};
        case TBoxButtons::Ok: break;
    }
    return {{IDOK, DialogButtonOk}};
}

PCWSTR DialogIcon(TDialogType type) {
    switch (type) {
        case TDialogType::Warning: return TD_WARNING_ICON;
        case TDialogType::Error: return TD_ERROR_ICON;
        case TDialogType::Information: return TD_INFORMATION_ICON;
        case TDialogType::Confirmation: break;
    }
    return nullptr;  // the question icon is given as an icon handle
}

// Looked up at run time: only version 6 of the common controls has it, and a program
// without the manifest that asks for it would not even load with a static import.
using TTaskDialogIndirect = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

TTaskDialogIndirect TaskDialogFunction() {
    HMODULE library = ::GetModuleHandleW(L"comctl32.dll");
    if (!library) library = ::LoadLibraryW(L"comctl32.dll");
    if (!library) return nullptr;
    return reinterpret_cast<TTaskDialogIndirect>(
        reinterpret_cast<void*>(::GetProcAddress(library, "TaskDialogIndirect")));
}

}  // namespace

TBoxAnswer TWin32UserInterface::ShowMessageBox(const TMessageBox& box) {
    UINT flags = IconFlag(box.Icon) | ButtonsFlag(box.Buttons);
    if (box.SystemModal) flags |= MB_SYSTEMMODAL;
    if (box.TopMost) flags |= MB_TOPMOST;
    if (box.Foreground) flags |= MB_SETFOREGROUND;
    std::wstring caption = box.Caption ? Widen(*box.Caption) : std::wstring();
    return AnswerOf(::MessageBoxW(nullptr, Widen(box.Text).c_str(), box.Caption ? caption.c_str() : nullptr, flags));
}

TBoxAnswer TWin32UserInterface::ShowMessageDialog(TDialogType type, const std::string& text, TBoxButtons buttons) {
    std::vector<std::pair<int, const char*>> labels = DialogButtons(buttons);
    std::vector<std::wstring> captions;
    for (const auto& label : labels) captions.push_back(Widen(label.second));
    std::vector<TASKDIALOG_BUTTON> taskButtons;
    for (size_t i = 0; i < labels.size(); ++i) taskButtons.push_back({labels[i].first, captions[i].c_str()});

    std::wstring title = Widen(DialogCaption(type));
    std::wstring content = Widen(text);
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof(config);
    config.hwndParent = FApplicationWindow;
    config.pszWindowTitle = title.c_str();
    config.pszContent = content.c_str();
    config.cButtons = static_cast<UINT>(taskButtons.size());
    config.pButtons = taskButtons.data();
    config.nDefaultButton = labels.front().first;
    if (PCWSTR icon = DialogIcon(type)) {
        config.pszMainIcon = icon;
    } else {
        config.dwFlags |= TDF_USE_HICON_MAIN;
        config.hMainIcon = ::LoadIconW(nullptr, IDI_QUESTION);
    }
    if (buttons == TBoxButtons::OkCancel || buttons == TBoxButtons::YesNoCancel)
        config.dwFlags |= TDF_ALLOW_DIALOG_CANCELLATION;
    int pressed = 0;
    TTaskDialogIndirect taskDialog = TaskDialogFunction();
    if (!taskDialog || FAILED(taskDialog(&config, &pressed, nullptr, nullptr))) {
        // Without the task dialog (an old common-controls library) a plain box still asks.
        TMessageBox box{text, DialogCaption(type), TBoxIcon::Error, buttons, false, false, true};
        return ShowMessageBox(box);
    }
    return AnswerOf(pressed);
}

void TWin32UserInterface::SetApplicationTitle(const std::string& title) {
    FTitle = title;
    if (FApplicationWindow) ::SetWindowTextW(FApplicationWindow, Widen(title).c_str());
}

void TWin32UserInterface::ProcessMessages() { ProcessPendingMessages(); }

void TWin32UserInterface::WaitForMessages(std::uint32_t timeoutMs) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs, QS_ALLINPUT);
    ProcessPendingMessages();
}

}  // namespace wyndrel::win32
