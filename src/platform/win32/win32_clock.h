// The clock port on Win32: the local time and a seed.
#pragma once

#include "platform/clock.h"

namespace wyndrel::win32 {

class TWin32Clock : public IClock {
public:
    TLocalDateTime LocalNow() override;
    std::uint32_t RandomSeed() override;
};

}  // namespace wyndrel::win32
