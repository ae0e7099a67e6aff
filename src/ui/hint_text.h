// Hint texts as a tooltip shows them.
#pragma once

#include <string>

namespace wyndrel::ui {

// Hints break lines with single carriage returns; a tooltip needs "\r\n". Pairs already
// written as "\r\n" and lone "\n" are kept as they are.
std::string TooltipText(const std::string& hint);

}  // namespace wyndrel::ui
