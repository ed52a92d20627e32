// MIDI messages as bytes: what goes out to a port, and what comes in from a keyboard.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <utility>
#include <vector>

#include "winmm/MidiIn.h"

namespace winmm {

// The bytes of a short message (status in the lowest byte, then data1, data2), as many as its
// status says; none for a word with no status byte.
std::vector<unsigned char> ShortMessageBytes(std::uint32_t message);

// A note-on or note-off of a keyboard; nothing for any other message.
std::optional<KeyboardNote> KeyboardNoteOf(std::span<const unsigned char> message);

// The notes started and not yet ended in what was sent, by channel.
class SoundingNotes {
  public:
    void Sent(std::span<const unsigned char> message);
    // A note-off (velocity 0) for each sounding note; forgets them.
    std::vector<std::vector<unsigned char>> TakeNoteOffs();

  private:
    std::set<std::pair<unsigned char, unsigned char>> notes_;  // channel, note
};

}  // namespace winmm
