#pragma once

#include <memory>
#include <string>

#include "MidiBytes.h"
#include "winmm/MidiOut.h"

class RtMidiOut;

namespace winmm {

// An external synthesizer's port: the first output port (ALSA sequencer or JACK) whose name
// contains the given text, looked up at each open. Messages go out unchanged; a close ends
// every note that was started and not ended.
class PortDevice : public MidiOutDevice {
  public:
    explicit PortDevice(std::string nameContains);
    ~PortDevice() override;

    MMRESULT Open() override;
    void Send(std::uint32_t message) override;
    void Close() override;

  private:
    void SendBytes(const std::vector<unsigned char>& bytes);

    std::string nameContains_;
    std::unique_ptr<RtMidiOut> port_;  // while open
    SoundingNotes sounding_;
};

}  // namespace winmm
