// The characters no Windows path can hold: a path with one of them names no file, and on a
// command line it could end a quoted argument or reach a program as a switch of its own.
#pragma once

#include <string_view>

namespace wyndrel::text {

// False when `path` holds a '"', '<', '>', '|', '?', '*' or a control character (codes 0 to
// 31); true otherwise, also for "". Bytes of multi-byte UTF-8 characters are never among them.
bool CanBeWindowsPath(std::string_view path);

}  // namespace wyndrel::text
