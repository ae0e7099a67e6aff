// Drop registration and WM_DROPFILES for the file-drop controls.
#include "ui/win32/file_drop_control.h"

#include "ui/win32/dropped_files.h"

namespace wyndrel::ui::win32 {

TFileDropControl::TFileDropControl(HWND control, bool acceptFiles, IUserInterface* ui)
    : TSubclassedControl(control, ui) {
    SetAcceptFiles(acceptFiles);
}

void TFileDropControl::SetAcceptFiles(bool accept) {
    FAcceptFiles = accept;
    if (Handle()) ::DragAcceptFiles(Handle(), accept ? TRUE : FALSE);
}

bool TFileDropControl::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_DROPFILES) return false;
    const std::vector<std::string> paths = TakeDroppedFiles(reinterpret_cast<HDROP>(wParam));
    result = 0;
    if (OnDrop) OnDrop(paths);
    return true;
}

}  // namespace wyndrel::ui::win32
