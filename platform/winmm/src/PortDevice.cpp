#include "PortDevice.h"

#include <algorithm>

#include "MidiSystems.h"

namespace winmm {

PortDevice::PortDevice(std::string nameContains) : nameContains_(std::move(nameContains)) {}

PortDevice::~PortDevice() = default;

MMRESULT PortDevice::Open() {
    if (port_) return MMSYSERR_ALLOCATED;
    for (RtMidi::Api api : RunningMidiSystems()) {
        if ((port_ = OpenPortOn(api))) return MMSYSERR_NOERROR;
    }
    return MIDIERR_NODEVICE;
}

std::unique_ptr<RtMidiOut> PortDevice::OpenPortOn(RtMidi::Api api) const {
    std::unique_ptr<RtMidiOut> output = MakeMidiOut(api);
    if (!output) return nullptr;
    const std::vector<std::string> names = PortNames(*output);
    const auto found = std::ranges::find_if(names, [this](const std::string& name) {
        return !IsOwnPort(name) && name.find(nameContains_) != std::string::npos;
    });
    if (found == names.end()) return nullptr;
    output->openPort(static_cast<unsigned int>(found - names.begin()), "output");
    if (!output->isPortOpen()) return nullptr;
    return output;
}

void PortDevice::Send(std::uint32_t message) {
    if (!port_) return;
    const std::vector<unsigned char> bytes = ShortMessageBytes(message);
    sounding_.Sent(bytes);
    SendBytes(bytes);
}

void PortDevice::Close() {
    if (!port_) return;
    for (const std::vector<unsigned char>& noteOff : sounding_.TakeNoteOffs()) SendBytes(noteOff);
    port_.reset();
}

void PortDevice::SendBytes(const std::vector<unsigned char>& bytes) {
    if (!bytes.empty()) port_->sendMessage(bytes.data(), bytes.size());
}

}  // namespace winmm
