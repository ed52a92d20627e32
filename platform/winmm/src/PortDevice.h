#pragma once

#include <rtmidi/RtMidi.h>

#include <memory>
#include <string>

#include "MidiBytes.h"
#include "winmm/MidiOut.h"

namespace winmm {

// An external synthesizer's port: the first port we can write to whose name contains the given
// text, on the ALSA sequencer, else on JACK, looked up at each open. Messages go out unchanged; a
// close ends every note that was started and not ended.
class PortDevice : public MidiOutDevice {
  public:
    explicit PortDevice(std::string nameContains);
    ~PortDevice() override;

    MMRESULT Open() override;
    void Send(std::uint32_t message) override;
    void Close() override;

  private:
    std::unique_ptr<RtMidiOut> OpenPortOn(RtMidi::Api api) const;
    void SendBytes(const std::vector<unsigned char>& bytes);

    std::string nameContains_;
    std::unique_ptr<RtMidiOut> port_;  // while open
    SoundingNotes sounding_;
};

}  // namespace winmm
