// Menu models as platform popup menus, built when shown and destroyed after.
#pragma once

#include "platform/types.h"
#include "platform/win32/unique_handle.h"
#include "ui/menu_model.h"

#include <optional>

namespace wyndrel::ui::win32 {

// The platform menu for `model`: hidden entries left out, each entry's id as its command id
// and its tag as its item data.
wyndrel::win32::TUniqueMenu BuildPopupMenu(const TMenuModel& model);

// Opens `model` at a screen point for `owner` and waits until it closes: the chosen entry's
// id, or none when it was dismissed.
std::optional<int> TrackPopup(HWND owner, const TMenuModel& model, Point screenPoint);

}  // namespace wyndrel::ui::win32
