#include <algorithm>

#include "HeadlessTimer.h"

namespace vcl::headless {

namespace {

// Restores a flag when a (possibly nested) firing loop ends.
class FiringScope {
  public:
    explicit FiringScope(bool& firing) : firing_(firing), outer_(firing) { firing_ = true; }
    ~FiringScope() { firing_ = outer_; }
    FiringScope(const FiringScope&) = delete;
    FiringScope& operator=(const FiringScope&) = delete;

  private:
    bool& firing_;
    bool outer_;
};

}  // namespace

HeadlessBackend::Timer::Timer(HeadlessBackend& owner, TTimer& t) : backend(&owner), timer(t) {
    backend->timers_.push_back(this);
}

HeadlessBackend::Timer::~Timer() {
    if (backend != nullptr) std::erase(backend->timers_, this);
}

void HeadlessBackend::Timer::Start(int intervalMs) {
    if (backend == nullptr) return;
    armed = true;
    interval = intervalMs;
    due = backend->now_ + intervalMs;
    arming = ++backend->armings_;
}

void HeadlessBackend::Timer::Stop() {
    armed = false;
}

std::unique_ptr<TimerPeer> HeadlessBackend::CreateTimer(TTimer& timer) {
    return std::make_unique<Timer>(*this, timer);
}

int HeadlessBackend::ArmedTimerCount() const {
    return static_cast<int>(
        std::ranges::count_if(timers_, [](const Timer* t) { return t->armed; }));
}

void HeadlessBackend::Post(std::function<void()> call) {
    std::lock_guard lock(postedMutex_);
    posted_.push_back(std::move(call));
}

std::size_t HeadlessBackend::PostedCount() const {
    std::lock_guard lock(postedMutex_);
    return posted_.size();
}

void HeadlessBackend::RunPosted() {
    for (;;) {
        std::function<void()> call;
        {
            std::lock_guard lock(postedMutex_);
            if (posted_.empty()) return;
            call = std::move(posted_.front());
            posted_.pop_front();
        }
        call();
    }
}

void HeadlessBackend::Advance(std::int64_t ms) {
    RunPosted();
    const std::int64_t target = now_ + std::max<std::int64_t>(ms, 0);
    {
        FiringScope scope(firing_);
        // A handler that sleeps moves the clock past the target; what fell due by then fires too.
        while (Timer* next = NextDue(std::max(target, now_), {})) Fire(*next);
    }
    now_ = std::max(now_, target);
}

void HeadlessBackend::FireDue() {
    FiringScope scope(firing_);
    std::vector<Timer*> fired;
    while (Timer* next = NextDue(now_, fired)) {
        fired.push_back(next);
        Fire(*next);
    }
}

void HeadlessBackend::Sleep(unsigned milliseconds) {
    now_ += milliseconds;
}

void HeadlessBackend::AfterDispatch() {
    if (!firing_) FireDue();
}

HeadlessBackend::Timer* HeadlessBackend::NextDue(std::int64_t bound,
                                                 const std::vector<Timer*>& fired) const {
    Timer* first = nullptr;
    for (Timer* t : timers_) {
        if (!t->armed || t->due > bound || std::ranges::find(fired, t) != fired.end()) continue;
        if (first == nullptr || t->due < first->due ||
            (t->due == first->due && t->arming < first->arming)) {
            first = t;
        }
    }
    return first;
}

void HeadlessBackend::Fire(Timer& timer) {
    // A tick that comes late (the clock was blocked) is the one tick for all that were missed;
    // the countdown goes on from the time it fires.
    const std::int64_t firedAt = std::max(now_, timer.due);
    now_ = firedAt;
    timer.due = firedAt + timer.interval;
    const std::uint64_t arming = timer.arming;
    Timer* const fired = &timer;
    timer.timer.Tick();
    if (!Alive(fired) || !fired->armed || fired->arming != arming) return;
    if (fired->due <= now_) fired->due = now_;
}

bool HeadlessBackend::Alive(const Timer* timer) const {
    return std::ranges::find(timers_, timer) != timers_.end();
}

}  // namespace vcl::headless
