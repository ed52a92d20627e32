// A component timer driven by a precise QTimer.
#pragma once

#include <QTimer>

#include "vcl/ExtCtrls.h"

namespace vcl::qt {

class QtTimer : public TimerPeer {
  public:
    explicit QtTimer(TTimer& timer);
    void Start(int intervalMs) override;
    void Stop() override;

  private:
    QTimer timer_;
};

}  // namespace vcl::qt
