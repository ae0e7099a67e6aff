// The instance mutex on the real adapter: a copy whose creation finds the mutex another copy
// made in the meantime is told so and keeps nothing of it.
#include "platform/win32/win32_resident_process.h"
#include "platform/win32/windows_header.h"

#include <gtest/gtest.h>

#include <string>

namespace e2e {
namespace {

TEST(InstanceMutex, ACreationThatFindsTheMutexAlreadyMadeSaysSoAndHoldsNothing) {
    const std::string name = "Wyndrel test mutex " + std::to_string(::GetCurrentProcessId());
    wyndrel::win32::TWin32ResidentProcess first, second;
    EXPECT_FALSE(second.InstanceMutexExists(name));
    EXPECT_TRUE(first.CreateInstanceMutex(name));
    EXPECT_FALSE(second.CreateInstanceMutex(name));

    // Once the first copy lets go, the name is free: the second one held no handle to it.
    first.ReleaseInstanceMutex();
    EXPECT_FALSE(second.InstanceMutexExists(name));
    EXPECT_TRUE(second.CreateInstanceMutex(name));
    second.ReleaseInstanceMutex();
}

}  // namespace
}  // namespace e2e
