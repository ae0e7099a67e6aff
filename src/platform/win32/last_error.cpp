// The thread's last error turned into an exception with the system's message text.
#include "platform/win32/last_error.h"

#include "platform/win32/wide_string.h"
#include "platform/win32/windows_header.h"

#include <stdexcept>
#include <string>

namespace wyndrel::win32 {

void ThrowLastError(std::string_view what) {
    const DWORD error = ::GetLastError();  // read before any allocation below
    throw std::runtime_error(std::string(what) + ": " + SystemErrorText(error));
}

}  // namespace wyndrel::win32
