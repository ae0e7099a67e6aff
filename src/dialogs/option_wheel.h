// Which up-down the mouse wheel turns on a sheet of the options dialog.
#pragma once

#include "ui/form.h"
#include "ui/up_down.h"
#include "ui/view.h"

#include <optional>
#include <vector>

namespace wyndrel::dialogs {

// The sheet's control under `at` (client pixels at 96 DPI), skipping hidden and disabled
// ones and looking through group boxes to the control inside them; for a number box, the
// control touching its right edge at the mouse's height instead. Its id when that is an
// up-down; none otherwise.
std::optional<int> WheelUpDown(const std::vector<ui::TControlSpec>& sheet, const ui::IView& view,
                               Point at);

}  // namespace wyndrel::dialogs
