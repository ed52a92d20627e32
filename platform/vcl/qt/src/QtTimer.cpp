#include "QtTimer.h"

#include <thread>

namespace vcl::qt {
namespace {

// The event loop wakes a millisecond or two after a timer's time (its poll timeout is in whole
// milliseconds, and waking takes a while); so the QTimer wakes us this much early and the last
// stretch is slept to the due time itself.
constexpr std::chrono::milliseconds kWakeEarly{2};
// A tick this late was held up; the handler's new countdown then starts from when it ran.
constexpr std::chrono::milliseconds kOnTime{5};

}  // namespace

QtTimer::QtTimer(TTimer& timer) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this, &timer] { Fire(timer); });
}

// A countdown started by the timer's own handler counts from when the tick was due, so that
// notes stepped by it keep their lengths to the end of a sequence.
void QtTimer::Start(int intervalMs) {
    interval_ = std::chrono::milliseconds(intervalMs);
    WaitFor(tickDue_.value_or(Clock::now()) + interval_);
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
    const Clock::time_point due = due_;
    std::this_thread::sleep_until(due);
    const Clock::time_point now = Clock::now();
    Clock::time_point next = due + interval_;
    if (next <= now) next = now + interval_;
    WaitFor(next);
    tickDue_ = now - due < kOnTime ? due : now;
    // The handler may destroy the timer, and this with it.
    const std::shared_ptr<bool> alive = alive_;
    timer.Tick();
    if (*alive) tickDue_.reset();
}

QtTimer::~QtTimer() {
    *alive_ = false;
}

}  // namespace vcl::qt
