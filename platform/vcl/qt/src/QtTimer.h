// A component timer driven by a QTimer, firing at its due time to a fraction of a millisecond.
#pragma once

#include <QTimer>
#include <chrono>

#include "vcl/ExtCtrls.h"

namespace vcl::qt {

class QtTimer : public TimerPeer {
  public:
    explicit QtTimer(TTimer& timer);
    void Start(int intervalMs) override;
    void Stop() override;

  private:
    using Clock = std::chrono::steady_clock;
    void WaitFor(Clock::time_point due);
    void Fire(TTimer& timer);

    QTimer timer_;
    std::chrono::milliseconds interval_{0};
    Clock::time_point due_;
};

}  // namespace vcl::qt
