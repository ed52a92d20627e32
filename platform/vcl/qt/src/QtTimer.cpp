#include "QtTimer.h"

namespace vcl::qt {

QtTimer::QtTimer(TTimer& timer) {
    // Coarse timers may be 5 % late, which a listener hears on a one-second note.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [&timer] { timer.Tick(); });
}

void QtTimer::Start(int intervalMs) {
    timer_.start(intervalMs);
}

void QtTimer::Stop() {
    timer_.stop();
}

}  // namespace vcl::qt
