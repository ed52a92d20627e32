#pragma once

#include "winmm/MidiOut.h"

namespace winmm {

// Plays nothing: behind a record-only output.
class SilentDevice : public MidiOutDevice {
  public:
    MMRESULT Open() override { return MMSYSERR_NOERROR; }
    void Send(std::uint32_t) override {}
    void Close() override {}
};

// Refuses every open with one result, e.g. when the record file cannot be written.
class UnavailableDevice : public MidiOutDevice {
  public:
    explicit UnavailableDevice(MMRESULT result) : result_(result) {}
    MMRESULT Open() override { return result_; }
    void Send(std::uint32_t) override {}
    void Close() override {}

  private:
    MMRESULT result_;
};

}  // namespace winmm
