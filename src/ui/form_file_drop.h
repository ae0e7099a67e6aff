// Drops on the file-drop controls of a form table: the control's rules with the table's
// settings, the presenter asked first, and the result put on the view.
//
// Use: the Win32 binder calls this for every WM_DROPFILES of such a control; a presenter test
// calls it with a fake view to drop files the way a user would.
#pragma once

#include "ui/form.h"
#include "ui/view.h"

#include <string>
#include <vector>

namespace wyndrel::ui {

// `paths` dropped on `control` (kind FileDropListBox or FileDropEdit, with AcceptFiles on):
// the presenter's OnDropQuery sees the paths the control takes and may edit them or refuse
// the drop; an accepted drop on a list box with AutoChange appends the paths to its entries
// and then raises OnDropFinished; on an edit box with AutoChange the first path becomes its
// text (the view raises the change as for any text). Other kinds, or a control that does not
// accept files, ignore the drop.
void DropOnFormControl(const TControlSpec& control, IView& view, IFormEvents& events,
                       const std::vector<std::string>& paths);

}  // namespace wyndrel::ui
