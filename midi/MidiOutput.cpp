#include "app/VelunkaMain.h"

namespace {

constexpr std::uint8_t kProgramChange = 0xC0;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kNoteOff = 0x80;
constexpr int kKeyIndexToMidiNote = 12;

std::uint8_t MidiNoteOfKey(std::int32_t key) {
    return static_cast<std::uint8_t>(key + kKeyIndexToMidiNote);
}

}  // namespace

// Each message overwrites only the bytes it needs: data2 of a program change and of a note off
// still holds the velocity of the last note on.
void TFormMain::SendMidiMsg() {
    std::uint32_t word = MidiMsg.status | (std::uint32_t{MidiMsg.data1} << 8) |
                         (std::uint32_t{MidiMsg.data2} << 16) |
                         (std::uint32_t{MidiMsg.spare} << 24);
    midiOutShortMsg(hMidiOut, word);
}

void TFormMain::SendNoteOn(std::uint8_t note) {
    MidiMsg.status = kProgramChange;
    MidiMsg.data1 = Instrument;
    SendMidiMsg();
    MidiMsg.status = kNoteOn;
    MidiMsg.data1 = note;
    MidiMsg.data2 = Volume;
    SendMidiMsg();
    // Velocity 0 is a note-off.
    if (note < SoundingNotes.size()) SoundingNotes[note] = Volume != 0;
}

void TFormMain::SendNoteOff(std::uint8_t note) {
    MidiMsg.status = kNoteOff;
    MidiMsg.data1 = note;
    SendMidiMsg();
    if (note < SoundingNotes.size()) SoundingNotes[note] = false;
}

void TFormMain::EndSoundingNotes() {
    for (size_t note = 0; note < SoundingNotes.size(); ++note) {
        if (SoundingNotes[note]) SendNoteOff(static_cast<std::uint8_t>(note));
    }
}

// Closing silences the device itself; the program sends no note-off first.
void TFormMain::CloseMidiOutput() {
    midiOutClose(hMidiOut);
    SoundingNotes.reset();
}

void TFormMain::NoteOn(std::int32_t pos) {
    SendNoteOn(Notes[static_cast<size_t>(pos)]);
}

void TFormMain::NoteOff(std::int32_t pos) {
    SendNoteOff(Notes[static_cast<size_t>(pos)]);
}

void TFormMain::KeyNoteOn(std::int32_t key) {
    SendNoteOn(MidiNoteOfKey(key));
    RefNote = key;
}

void TFormMain::KeyNoteOff(std::int32_t key) {
    SendNoteOff(MidiNoteOfKey(key));
}
