// One suite of expectations on the process port, run against the fake natively and against
// the Win32 adapter under Wine. A World type supplies:
//   IProcesses& Processes();
//   std::string ReadyProgram();    // the path of a program that gets ready for input
//   std::string MissingProgram();  // a path that cannot be started
// and ends every program it started when it goes.
#pragma once

#include "platform/processes.h"

#include <gtest/gtest.h>

namespace wyndrel::contract {

template <typename World>
class ProcessesContract : public ::testing::Test {
protected:
    World TheWorld;
    IProcesses& Processes() { return TheWorld.Processes(); }
};

TYPED_TEST_SUITE_P(ProcessesContract);

// The program named starts, whatever the head of its command line names.
TYPED_TEST_P(ProcessesContract, StartsTheNamedProgramWaitsUntilItIsReadyAndReleasesIt) {
    auto process = this->Processes().StartProcess(
        this->TheWorld.ReadyProgram(), "C:\\nowhere\\other.exe", TStartPlacement{20, 30, 400, 300});
    ASSERT_TRUE(process);
    EXPECT_NE(process->Id.Value, 0u);
    EXPECT_TRUE(this->Processes().SetPriority(*process, TPriorityClass::High));
    EXPECT_EQ(this->Processes().WaitForInputIdle(*process, 30000), TInputIdleResult::Ready);
    EXPECT_TRUE(this->Processes().SetPriority(*process, TPriorityClass::Normal));
    this->Processes().CloseProcess(*process);
}

TYPED_TEST_P(ProcessesContract, GivesNothingForAProgramThatCannotBeStarted) {
    const std::string missing = this->TheWorld.MissingProgram();
    EXPECT_FALSE(
        this->Processes().StartProcess(missing, this->TheWorld.ReadyProgram(), std::nullopt));
}

REGISTER_TYPED_TEST_SUITE_P(ProcessesContract,
                            StartsTheNamedProgramWaitsUntilItIsReadyAndReleasesIt,
                            GivesNothingForAProgramThatCannotBeStarted);

}  // namespace wyndrel::contract
