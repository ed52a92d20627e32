#include <gtest/gtest.h>

#include <atomic>
#include <future>

#include "DelayedAction.h"

namespace winmm {
namespace {

using namespace std::chrono_literals;

TEST(DelayedAction, RunsOnceForEachArming) {
    std::atomic<int> runs = 0;
    std::promise<void> first, second;
    DelayedAction action(1ms, [&] { (++runs == 1 ? first : second).set_value(); });

    action.Arm();
    ASSERT_EQ(first.get_future().wait_for(30s), std::future_status::ready);
    action.Arm();
    ASSERT_EQ(second.get_future().wait_for(30s), std::future_status::ready);
    EXPECT_EQ(runs, 2);
}

TEST(DelayedAction, APendingActionIsDroppedWithIt) {
    std::atomic<bool> ran = false;
    {
        DelayedAction action(1h, [&] { ran = true; });
        action.Arm();
    }
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace winmm
