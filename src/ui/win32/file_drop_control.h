// The file-drop list box and edit box on Win32: a standard control registered as a drop
// target and subclassed to read WM_DROPFILES, whose paths go to OnDrop whole (never cut to a
// buffer's length). The drop is released before OnDrop runs, so it is released in every case.
//
// Use: TFileDropControl drop(listBox, true, ui); drop.OnDrop = [&](auto paths) {
// model.Drop(paths); }. The form binder does this for the kinds FileDropListBox and
// FileDropEdit, with DropOnFormControl as OnDrop.
#pragma once

#include "ui/win32/subclassed_control.h"

#include <functional>
#include <string>
#include <vector>

namespace wyndrel::ui::win32 {

class TFileDropControl : public TSubclassedControl {
public:
    TFileDropControl(HWND control, bool acceptFiles, IUserInterface* ui);

    // Registers the window as a drop target, or no longer.
    void SetAcceptFiles(bool accept);
    bool AcceptFiles() const { return FAcceptFiles; }

    std::function<void(const std::vector<std::string>& paths)> OnDrop;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool FAcceptFiles = false;
};

}  // namespace wyndrel::ui::win32
