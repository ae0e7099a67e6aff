// Buttons by their shared ids, dialogs found by caption.
#include "support/resident_program.h"

#include "app/main_window_ids.h"
#include "dialogs/option_ids.h"
#include "support/desktop_probe.h"

namespace e2e {

HWND WaitForMainWindow(HANDLE process) {
    HWND window = WaitForWindowOfProcess(process, L"TfrmWyndrel", 20000);
    return window && WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 10000) ? window
                                                                                          : nullptr;
}

void ClickButton(HWND mainWindow, int id) {
    ::PostMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(mainWindow, id)));
}

HWND OpenOptions(HWND mainWindow) {
    ClickButton(mainWindow, wyndrel::app::ids::btnOption);
    return WaitForDialog(L"設定", 20000);
}

bool PressOk(HWND optionsDialog) {
    return PressDialogButtonById(optionsDialog, wyndrel::dialogs::option_ids::btnOK) &&
           WaitUntil([&] { return !::IsWindow(optionsDialog); }, 10000);
}

std::wstring AnswerDialog(const std::wstring& caption, int buttonId) {
    HWND dialog = WaitForDialog(caption);
    if (!dialog) return L"(no dialog " + caption + L")";
    std::wstring text = DialogText(dialog);
    PressDialogButtonById(dialog, buttonId);
    return text;
}

}  // namespace e2e
