// Up-down arrows as the program uses them: the text they write into their buddy box, and a
// step that stays inside their range.
#pragma once

#include "ui/form.h"

#include <string>

namespace wyndrel::ui {

// The position as the arrows write it: "1,280" with thousands separators, else "1280".
std::string UpDownText(int position, bool thousands);

// `position` moved by `delta` and kept within the up-down's range.
int SteppedPosition(const TUpDownSpec& upDown, int position, int delta);

}  // namespace wyndrel::ui
