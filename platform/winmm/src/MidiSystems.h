// The system MIDI APIs that RtMidi reaches, in order of preference, and what the layer needs
// to know of their port names.
#pragma once

#include <rtmidi/RtMidi.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace winmm {

// Our client name on every MIDI system; JACK makes a second client of the name "Velunka-01".
inline constexpr const char* kMidiClientName = "Velunka";

// The MIDI systems that are running, in order of preference (the ALSA sequencer, then a JACK
// server), found without starting a server and without a word on the terminal.
std::vector<RtMidi::Api> RunningMidiSystems();

// RtMidi's objects with their warnings and errors going to the library log; nullptr when the
// system cannot make a client.
std::unique_ptr<RtMidiIn> MakeMidiIn(RtMidi::Api api);
std::unique_ptr<RtMidiOut> MakeMidiOut(RtMidi::Api api);

// Every port's full name, in the API's order.
std::vector<std::string> PortNames(RtMidi& midi);

// A port of one of our own clients.
bool IsOwnPort(std::string_view portName);
// The ALSA sequencer's announce and timer ports.
bool IsSystemPort(std::string_view portName);

}  // namespace winmm
