// Callbacks of the system's enumerations (EnumWindows, EnumThreadWindows,
// EnumDisplayMonitors). An exception must not unwind through the system's frames between the
// callback and the caller, nor be lost there: it is caught in the callback, ends the
// enumeration, and is thrown again once the enumeration function has returned.
#pragma once

#include "platform/win32/windows_header.h"

#include <exception>
#include <utility>

namespace wyndrel::win32 {

class TEnumerationFault {
public:
    // Inside the callback: TRUE to go on when `visit` returns true. What `visit` throws is
    // kept, and the enumeration stops.
    template <typename TVisit>
    BOOL Guard(TVisit&& visit) noexcept {
        try {
            return std::forward<TVisit>(visit)() ? TRUE : FALSE;
        } catch (...) {
            FCaught = std::current_exception();
            return FALSE;
        }
    }

    // After the enumeration function has returned: what a visit threw, thrown again.
    void RethrowCaught() const {
        if (FCaught) std::rethrow_exception(FCaught);
    }

private:
    std::exception_ptr FCaught;
};

}  // namespace wyndrel::win32
