// The devices behind the MIDI mapper, and how tests put their own in place.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "winmm/mmsystem.h"

namespace winmm {

// One output device. The mapper opens it once for each live handle and closes it when that
// handle is closed.
class MidiOutDevice {
  public:
    virtual ~MidiOutDevice() = default;
    // Begins, in the background, the slow part of the first Open.
    virtual void Prepare() {}
    virtual MMRESULT Open() = 0;
    virtual void Send(std::uint32_t message) = 0;
    // Silences what still sounds, inside the device.
    virtual void Close() = 0;
};

// Every call the program makes, as it made it (also those answered with an error).
struct MidiCall {
    enum Kind { Open, Message, Close };
    Kind kind;
    HMIDIOUT handle;  // for an open: the handle given, or 0 when it failed
    MMRESULT result;  // what the call returned
    std::uint32_t message;
};

class MidiCallLog {
  public:
    virtual ~MidiCallLog() = default;
    virtual void Record(const MidiCall& call) = 0;
};

// A log with a clock passed in from outside: tests give it their virtual clock.
class MidiCallRecorder : public MidiCallLog {
  public:
    struct Entry {
        double time;
        MidiCall call;
    };
    explicit MidiCallRecorder(std::function<double()> clock) : clock_(std::move(clock)) {}
    void Record(const MidiCall& call) override { entries_.push_back({clock_(), call}); }
    const std::vector<Entry>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

  private:
    std::function<double()> clock_;
    std::vector<Entry> entries_;
};

// A device for tests: answers Open with a chosen result and counts what it got.
class ScriptedDevice : public MidiOutDevice {
  public:
    MMRESULT openResult = MMSYSERR_NOERROR;
    int opens = 0;
    int closes = 0;
    bool open = false;
    std::vector<std::uint32_t> sent;

    MMRESULT Open() override {
        ++opens;
        open = openResult == MMSYSERR_NOERROR;
        return openResult;
    }
    void Send(std::uint32_t message) override { sent.push_back(message); }
    void Close() override {
        ++closes;
        open = false;
    }
};

// Puts a device (and optionally a log) behind the mapper in place of the one that the
// environment variable VELUNKA_MIDI_OUT chooses; a live output is closed and its handle dropped.
// Passing nullptr returns to the environment's choice.
void InstallDevice(std::shared_ptr<MidiOutDevice> device,
                   std::shared_ptr<MidiCallLog> log = nullptr);

// Chooses the output now and lets it begin getting ready while the program starts; the first
// midiOutOpen then waits only for what is not done yet.
void PrepareOutput();

// Devices by the name VELUNKA_MIDI_OUT gives: "synth" (also when unset), "record:PATH",
// "synth+record:PATH", "port:NAME" (the first MIDI port whose name contains NAME),
// "port+record:NAME:PATH" (NAME may hold colons, PATH may not).
struct DeviceChoice {
    std::shared_ptr<MidiOutDevice> device;  // nullptr: an unknown choice
    std::shared_ptr<MidiCallLog> log;
};
DeviceChoice ChooseDevice(const char* setting);

}  // namespace winmm
