#include "DelayedAction.h"

namespace winmm {

DelayedAction::DelayedAction(std::chrono::milliseconds delay, std::function<void()> action)
    : delay_(delay),
      action_(std::move(action)),
      thread_([this](std::stop_token stop) { Run(stop); }) {}

void DelayedAction::Arm() {
    {
        std::lock_guard lock(mutex_);
        due_ = Clock::now() + delay_;
    }
    wake_.notify_all();
}

void DelayedAction::Disarm() {
    {
        std::lock_guard lock(mutex_);
        due_.reset();
    }
    wake_.notify_all();
}

void DelayedAction::Run(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    while (!stop.stop_requested()) {
        if (!due_) {
            wake_.wait(lock, stop, [&] { return due_.has_value(); });
            continue;
        }
        const Clock::time_point due = *due_;
        const bool changed = wake_.wait_until(lock, stop, due, [&] { return due_ != due; });
        if (changed || stop.stop_requested()) continue;
        due_.reset();
        lock.unlock();
        action_();
        lock.lock();
    }
}

}  // namespace winmm
