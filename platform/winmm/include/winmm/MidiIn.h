// MIDI input: the notes that connected keyboards play.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace winmm {

// A key went down (a note-on with a velocity above 0) or came up (a note-off, or a note-on
// with velocity 0), on any channel.
struct KeyboardNote {
    std::uint8_t note;
    bool down;
    bool operator==(const KeyboardNote&) const = default;
};

// Called on a MIDI thread, in the order each keyboard played; it must not block.
using KeyboardNoteHandler = std::function<void(KeyboardNote)>;

// Listens while it exists: connects every keyboard the setting chooses, also one that appears
// later or comes back. Destroying it disconnects them; no handler call follows.
class KeyboardInput {
  public:
    virtual ~KeyboardInput() = default;
    // The ports connected now, by their full names.
    virtual std::vector<std::string> ConnectedPorts() const = 0;
};

// The input that VELUNKA_MIDI_IN chooses: "auto" (also when unset) every keyboard, "none" no
// input (nullptr), anything else the keyboards whose port names contain it. Returns at once:
// the MIDI system is looked for on the input's own thread, and with none no note ever comes.
std::unique_ptr<KeyboardInput> OpenKeyboardInput(KeyboardNoteHandler onNote);
std::unique_ptr<KeyboardInput> OpenKeyboardInput(const char* setting, KeyboardNoteHandler onNote);

}  // namespace winmm
