// A component timer driven by a QTimer, firing at its due time to a fraction of a millisecond.
#pragma once

#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>

#include "vcl/ExtCtrls.h"

namespace vcl::qt {

class QtTimer : public TimerPeer {
  public:
    explicit QtTimer(TTimer& timer);
    ~QtTimer() override;
    void Start(int intervalMs) override;
    void Stop() override;

  private:
    using Clock = std::chrono::steady_clock;
    void WaitFor(Clock::time_point due);
    void Fire(TTimer& timer);

    QTimer timer_;
    std::chrono::milliseconds interval_{0};
    Clock::time_point due_;
    // While its own handler runs: when the tick was due.
    std::optional<Clock::time_point> tickDue_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace vcl::qt
