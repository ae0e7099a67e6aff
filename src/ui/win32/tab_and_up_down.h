// Tab controls and up-downs of form tables: the sheet captions and the shown sheet of a tab
// strip, and an up-down's buddy, range, step and position.
#pragma once

#include "platform/win32/windows_header.h"
#include "ui/form.h"

#include <string>
#include <vector>

namespace wyndrel::ui::win32 {

void SetTabCaptions(HWND tab, const std::vector<std::string>& captions);
std::vector<std::string> TabCaptions(HWND tab);

// Attaches `buddy` and applies the table's range and step; the position starts at the minimum.
void SetUpUpDown(HWND upDown, HWND buddy, const TUpDownSpec& spec);

}  // namespace wyndrel::ui::win32
