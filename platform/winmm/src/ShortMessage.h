#pragma once

#include <fluidsynth.h>

#include <cstdint>

namespace winmm {

// Plays one MIDI short message (status in the lowest byte, then data1, data2) on the synth.
// Messages it does not know, running status and malformed data bytes are ignored.
void PlayShortMessage(fluid_synth_t* synth, std::uint32_t message);

// A note-on with a velocity, on any channel.
inline bool IsNoteOn(std::uint32_t message) {
    return (message & 0xF0) == 0x90 && ((message >> 16) & 0x7F) != 0;
}

}  // namespace winmm
