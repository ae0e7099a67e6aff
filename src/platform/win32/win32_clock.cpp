// GetLocalTime and a seed from the tick count and the process id.
#include "platform/win32/win32_clock.h"

#include "platform/win32/windows_header.h"

namespace wyndrel::win32 {

TLocalDateTime TWin32Clock::LocalNow() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return TLocalDateTime{now.wYear,   now.wMonth,  now.wDay,          now.wHour,
                          now.wMinute, now.wSecond, now.wMilliseconds, now.wDayOfWeek};
}

std::uint32_t TWin32Clock::RandomSeed() {
    return ::GetTickCount() ^ (::GetCurrentProcessId() << 16);
}

}  // namespace wyndrel::win32
