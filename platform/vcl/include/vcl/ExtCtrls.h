// The timer component.
#pragma once

#include <memory>

#include "vcl/Classes.h"
#include "vcl/Property.h"

namespace vcl {

class TimerPeer;

// Armed by a non-zero Interval (while Enabled and OnTimer is set), disarmed by 0. Fires every
// Interval ms. Writing the Interval it already has changes nothing; another value starts a fresh
// countdown.
class TTimer : public TComponent {
  public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    Property<int> Interval{1000, [this] { Rearm(); }};
    Property<bool> Enabled{true, [this] { Rearm(); }};
    TNotifyEvent OnTimer;

    bool Armed() const { return armed_; }
    // The backend's tick, run through the application's dispatcher.
    void Tick();

  private:
    void Rearm();
    std::unique_ptr<TimerPeer> peer_;
    bool armed_ = false;
};

class TimerPeer {
  public:
    virtual ~TimerPeer() = default;
    virtual void Start(int intervalMs) = 0;  // a fresh countdown
    virtual void Stop() = 0;
};

}  // namespace vcl
