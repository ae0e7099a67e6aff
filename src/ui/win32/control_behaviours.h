// The controls of a form that carry behaviour of their own beyond the standard classes: the
// numeric boxes and the file-drop list and edit boxes. The binder attaches one to every such
// control it creates; their events reach the window's presenter through its view.
#pragma once

#include "platform/user_interface.h"
#include "ui/form.h"
#include "ui/view.h"
#include "ui/win32/file_drop_control.h"
#include "ui/win32/num_edit_control.h"

#include <functional>
#include <map>
#include <memory>

namespace wyndrel::ui::win32 {

class TControlBehaviours {
public:
    // Where the controls report: the window's view, its presenter (may be null: drops then
    // apply the table's settings alone) and the port that shows their errors (may be null).
    void Connect(IView& view, IFormEvents* events, IUserInterface* ui);
    // Called by a control that was made again (a numeric box's new alignment).
    std::function<void(int id, HWND newWindow)> OnRecreated;

    // Gives `control` the behaviour of its kind; other kinds are left as they are.
    void Attach(const TControlSpec& spec, HWND control);

    // The numeric box or file-drop control `id`; nullptr for other controls.
    TNumEditControl* NumEdit(int id) const;
    TFileDropControl* FileDrop(int id) const;

private:
    void AttachNumEdit(const TControlSpec& spec, HWND control);
    void AttachFileDrop(const TControlSpec& spec, HWND control);

    IView* FView = nullptr;
    IFormEvents* FEvents = nullptr;
    IUserInterface* FUserInterface = nullptr;
    std::map<int, std::unique_ptr<TNumEditControl>> FNumEdits;
    std::map<int, std::unique_ptr<TFileDropControl>> FFileDrops;
};

}  // namespace wyndrel::ui::win32
