#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

namespace winmm {

// Runs an action on its own thread a fixed delay after it was armed, unless it is disarmed or
// armed again first. Destroying it drops a pending action.
class DelayedAction {
  public:
    DelayedAction(std::chrono::milliseconds delay, std::function<void()> action);

    void Arm();
    void Disarm();

  private:
    using Clock = std::chrono::steady_clock;
    void Run(std::stop_token stop);

    const std::chrono::milliseconds delay_;
    const std::function<void()> action_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::optional<Clock::time_point> due_;
    std::jthread thread_;  // last: stopped and joined before the members it uses go
};

}  // namespace winmm
