// The bounded wait on the fake clock: how often it looks, how long it sleeps, where it ends.
#include "fakes/fake_processes.h"
#include "fakes/fake_user_interface.h"
#include "layout/bounded_wait.h"

#include <gtest/gtest.h>

#include <limits>

namespace wyndrel::layout {
namespace {

class BoundedWait : public ::testing::Test {
protected:
    BoundedWait() {
        Ui.OnPump([this](std::uint32_t ms) {
            Pauses.push_back(ms);
            Processes.AdvanceTime(ms);
        });
    }
    // Waits for the fake clock to reach `dueAfterMs` from now (never, when none); the time
    // the wait took.
    std::uint32_t TimeUntil(std::optional<std::uint32_t> dueAfterMs, std::uint32_t timeoutMs,
                            bool& held) {
        const std::uint32_t started = Processes.TickCount();
        held =
            Wait.Until([&] { return dueAfterMs && Processes.TickCount() - started >= *dueAfterMs; },
                       timeoutMs);
        return Processes.TickCount() - started;
    }

    fakes::TFakeProcesses Processes;
    fakes::TFakeUserInterface Ui;
    TBoundedWait Wait{Processes, Ui};
    std::vector<std::uint32_t> Pauses;
};

TEST_F(BoundedWait, SleepsOnTheQueueUntilTheConditionHoldsOrTheBoundIsReached) {
    bool held = false;
    EXPECT_EQ(TimeUntil(0, 1000, held), 0u);
    EXPECT_TRUE(held);
    EXPECT_TRUE(Pauses.empty());

    EXPECT_EQ(TimeUntil(600, 1000, held), 600u);
    EXPECT_TRUE(held);
    EXPECT_EQ(Pauses, std::vector<std::uint32_t>(40, WaitPauseMs));

    Pauses.clear();
    EXPECT_EQ(TimeUntil(std::nullopt, 1000, held), 1000u);
    EXPECT_FALSE(held);
    // 66 full pauses and a last one that ends exactly at the bound.
    ASSERT_EQ(Pauses.size(), 67u);
    EXPECT_EQ(Pauses.back(), 1000u - 66 * WaitPauseMs);

    Pauses.clear();
    EXPECT_EQ(TimeUntil(std::nullopt, 0, held), 0u);
    EXPECT_FALSE(held);
    EXPECT_TRUE(Pauses.empty());
}

TEST_F(BoundedWait, KeepsItsBoundAcrossTheTickCountWrappingAround) {
    Processes.AdvanceTime(std::numeric_limits<std::uint32_t>::max() - Processes.TickCount() - 100);
    bool held = true;
    EXPECT_EQ(TimeUntil(std::nullopt, 1000, held), 1000u);
    EXPECT_FALSE(held);
    EXPECT_LT(Processes.TickCount(), 1000u);
}

}  // namespace
}  // namespace wyndrel::layout
