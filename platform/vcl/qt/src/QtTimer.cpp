#include "QtTimer.h"

#include <thread>

namespace vcl::qt {
namespace {

// The event loop wakes a millisecond or two after a timer's time (its poll timeout is in whole
// milliseconds, and waking takes a while); so the QTimer wakes us this much early and the last
// stretch is slept to the due time itself.
constexpr std::chrono::milliseconds kWakeEarly{2};

}  // namespace

QtTimer::QtTimer(TTimer& timer) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this, &timer] { Fire(timer); });
}

void QtTimer::Start(int intervalMs) {
    interval_ = std::chrono::milliseconds(intervalMs);
    WaitFor(Clock::now() + interval_);
}

void QtTimer::Stop() {
    timer_.stop();
}

void QtTimer::WaitFor(Clock::time_point due) {
    due_ = due;
    const auto early =
        std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now()) - kWakeEarly;
    timer_.start(std::max(early, std::chrono::milliseconds(0)));
}

// The next tick is due one interval after this one was due, not after it ran; ticks missed while
// the thread was held fire once.
void QtTimer::Fire(TTimer& timer) {
    std::this_thread::sleep_until(due_);
    const Clock::time_point now = Clock::now();
    Clock::time_point next = due_ + interval_;
    if (next <= now) next = now + interval_;
    WaitFor(next);
    timer.Tick();
}

}  // namespace vcl::qt
