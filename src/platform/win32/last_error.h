// Failures of Win32 calls that leave the program nothing to go on with, as exceptions that
// carry the system's own words for what went wrong.
#pragma once

#include <string_view>

namespace wyndrel::win32 {

// Throws std::runtime_error "`what`: <the system's text for GetLastError()>"; call it straight
// after the failed call, before anything else can change the thread's last error.
[[noreturn]] void ThrowLastError(std::string_view what);

}  // namespace wyndrel::win32
