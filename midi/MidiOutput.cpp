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

void TFormMain::NoteOn(std::int32_t pos) {
    MidiMsg.status = kProgramChange;
    MidiMsg.data1 = Instrument;
    SendMidiMsg();
    MidiMsg.status = kNoteOn;
    MidiMsg.data1 = Notes[static_cast<size_t>(pos)];
    MidiMsg.data2 = Volume;
    SendMidiMsg();
}

void TFormMain::NoteOff(std::int32_t pos) {
    MidiMsg.status = kNoteOff;
    MidiMsg.data1 = Notes[static_cast<size_t>(pos)];
    SendMidiMsg();
}

void TFormMain::KeyNoteOn(std::int32_t key) {
    MidiMsg.status = kProgramChange;
    MidiMsg.data1 = Instrument;
    SendMidiMsg();
    MidiMsg.status = kNoteOn;
    MidiMsg.data1 = MidiNoteOfKey(key);
    MidiMsg.data2 = Volume;
    SendMidiMsg();
    RefNote = key;
}

void TFormMain::KeyNoteOff(std::int32_t key) {
    MidiMsg.status = kNoteOff;
    MidiMsg.data1 = MidiNoteOfKey(key);
    SendMidiMsg();
}
