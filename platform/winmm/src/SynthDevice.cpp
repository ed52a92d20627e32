#include "SynthDevice.h"

namespace winmm {

SynthDevice::SynthDevice(SynthConfig config)
    : engine_(std::move(config.engine)),
      audioRelease_(config.audioReleaseDelay, [this] { engine_.ReleaseAudioIfClosed(); }) {}

void SynthDevice::Prepare() {
    engine_.Prepare();
}

MMRESULT SynthDevice::Open() {
    audioRelease_.Disarm();
    return engine_.Open();
}

void SynthDevice::Send(std::uint32_t message) {
    engine_.Send(message);
}

void SynthDevice::Close() {
    engine_.Close();
    audioRelease_.Arm();
}

}  // namespace winmm
