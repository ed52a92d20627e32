#include "Events.h"
#include "vcl/Backend.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"

namespace vcl {

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() = default;

void TTimer::Tick() {
    if (!armed_ || !OnTimer) return;
    DispatchEvent([this] { OnTimer(this); });
}

void TTimer::Rearm() {
    armed_ = Enabled && Interval > 0 && OnTimer;
    if (!peer_ && armed_ && Application != nullptr) {
        peer_ = Application->GetBackend().CreateTimer(*this);
    }
    if (!peer_) return;
    if (armed_) {
        peer_->Start(Interval);
    } else {
        peer_->Stop();
    }
}

}  // namespace vcl
