#pragma once

#include <chrono>

#include "DelayedAction.h"
#include "FluidSynthEngine.h"
#include "winmm/MidiOut.h"

namespace winmm {

struct SynthConfig {
    EngineConfig engine;
    // While a driver exists FluidSynth renders silence and keeps the sound server busy, so it
    // goes this long after a close that no open followed.
    std::chrono::milliseconds audioReleaseDelay{3000};
};

class SynthDevice : public MidiOutDevice {
  public:
    explicit SynthDevice(SynthConfig config);

    void Prepare() override;
    MMRESULT Open() override;
    void Send(std::uint32_t message) override;
    void Close() override;

    FluidSynthEngine& Engine() { return engine_; }

  private:
    FluidSynthEngine engine_;
    DelayedAction audioRelease_;  // after the engine: destroyed first
};

}  // namespace winmm
