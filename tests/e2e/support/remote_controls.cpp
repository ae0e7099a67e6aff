// LVM_GETITEMTEXTW through VirtualAllocEx, and WM_SETTEXT on the file dialog's name box.
#include "support/remote_controls.h"

#include "support/desktop_probe.h"

#include <commctrl.h>

#include <algorithm>

namespace e2e {
namespace {

constexpr int TextCapacity = 4096;  // characters of one cell

struct TRemoteCell {
    LVITEMW Item;
    wchar_t Text[TextCapacity];
};

struct TRemoteMemory {
    HANDLE Process;
    void* Address;
    ~TRemoteMemory() {
        if (Address) ::VirtualFreeEx(Process, Address, 0, MEM_RELEASE);
        if (Process) ::CloseHandle(Process);
    }
};

std::wstring CellText(HWND list, const TRemoteMemory& memory, int row, int column) {
    auto* remote = static_cast<TRemoteCell*>(memory.Address);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = remote->Text;
    item.cchTextMax = TextCapacity;
    if (!::WriteProcessMemory(memory.Process, &remote->Item, &item, sizeof(item), nullptr))
        return L"?";
    const auto length = ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                       reinterpret_cast<LPARAM>(&remote->Item));
    std::wstring text(static_cast<size_t>(length), L'\0');
    if (length > 0 && !::ReadProcessMemory(memory.Process, remote->Text, text.data(),
                                           static_cast<size_t>(length) * sizeof(wchar_t), nullptr))
        return L"?";
    return text;
}

}  // namespace

std::vector<std::vector<std::wstring>> RemoteListRows(HWND list) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(list, &processId);
    TRemoteMemory memory{
        ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId),
        nullptr};
    if (!memory.Process) return {};
    memory.Address =
        ::VirtualAllocEx(memory.Process, nullptr, sizeof(TRemoteCell), MEM_COMMIT, PAGE_READWRITE);
    if (!memory.Address) return {};
    const auto header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    const int rows = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::vector<std::wstring>> cells(static_cast<size_t>(std::max(rows, 0)));
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            cells[static_cast<size_t>(row)].push_back(CellText(list, memory, row, column));
    return cells;
}

bool ChooseFileInDialog(HWND dialog, const std::wstring& path) {
    // The name box: a combo box on newer dialogs (its edit takes the text), an edit on older.
    constexpr int NameCombo = 0x47c;
    constexpr int NameEdit = 0x480;
    HWND box = ::GetDlgItem(dialog, NameCombo);
    if (!box) box = ::GetDlgItem(dialog, NameEdit);
    if (!box) return false;
    ::SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    return PressDialogButtonById(dialog, IDOK);
}

}  // namespace e2e
