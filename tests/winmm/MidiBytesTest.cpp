// Short messages as port bytes, keyboard messages as notes, and the notes left sounding.
#include <gtest/gtest.h>

#include <vector>

#include "MidiBytes.h"
#include "MidiSystems.h"

namespace winmm {
namespace {

using Bytes = std::vector<unsigned char>;

TEST(MidiBytes, AShortMessageGoesOutAsManyBytesAsItsStatusSays) {
    struct Case {
        std::uint32_t word;
        Bytes bytes;
    };
    const Case cases[] = {
        {0x007F3C90, {0x90, 0x3C, 0x7F}},  // note on
        {0x00003C85, {0x85, 0x3C, 0x00}},  // note off
        {0x00400AB0, {0xB0, 0x0A, 0x40}},  // control change
        {0x00200BE3, {0xE3, 0x0B, 0x20}},  // pitch bend
        {0xFF7F05C0, {0xC0, 0x05}},        // program change: the high bytes are not sent
        {0x000040D2, {0xD2, 0x40}},        // channel pressure
        {0x000007F3, {0xF3, 0x07}},        // song select
        {0x00100FF2, {0xF2, 0x0F, 0x10}},  // song position
        {0x000000F8, {0xF8}},              // clock
        {0x000000FF, {0xFF}},              // reset
        {0x000000F0, {}},                  // system exclusive does not fit
        {0x007F3C10, {}},                  // no status byte
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortMessageBytes(c.word), c.bytes) << std::hex << c.word;
    }
}

TEST(MidiBytes, OnlyNoteOnsAndNoteOffsAreKeyboardNotes) {
    struct Case {
        Bytes message;
        std::optional<KeyboardNote> note;
    };
    const Case cases[] = {
        {{0x90, 60, 100}, KeyboardNote{60, true}},
        {{0x9F, 127, 1}, KeyboardNote{127, true}},  // any channel
        {{0x90, 60, 0}, KeyboardNote{60, false}},   // velocity 0 ends the note
        {{0x80, 60, 64}, KeyboardNote{60, false}},
        {{0x8A, 0, 0}, KeyboardNote{0, false}},
        {{0xB0, 64, 127}, std::nullopt},  // sustain pedal
        {{0xA0, 60, 10}, std::nullopt},   // key pressure
        {{0xE0, 0, 64}, std::nullopt},
        {{0xF8}, std::nullopt},
        {{0x90, 60}, std::nullopt},        // cut short
        {{0x90, 0x80, 10}, std::nullopt},  // a status where a data byte belongs
        {{}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyboardNoteOf(c.message), c.note) << testing::PrintToString(c.message);
    }
}

TEST(MidiBytes, NoteOffsAreOwedForEveryNoteStartedAndNotEndedOnItsChannel) {
    SoundingNotes sounding;
    for (const Bytes& message : std::vector<Bytes>{
             {0x90, 60, 100},  // ended by a note off
             {0x91, 60, 100},  // same key on another channel: still sounding
             {0x90, 64, 100},  // ended by a note on with velocity 0
             {0x90, 67, 100},  // started twice, still sounding once
             {0x90, 67, 90},
             {0xC0, 5},
             {0x80, 60, 0},
             {0x90, 64, 0},
             {0x82, 70, 0},  // never started: nothing owed
         }) {
        sounding.Sent(message);
    }
    EXPECT_EQ(sounding.TakeNoteOffs(), (std::vector<Bytes>{{0x80, 67, 0}, {0x81, 60, 0}}));
    EXPECT_TRUE(sounding.TakeNoteOffs().empty());
}

TEST(MidiPortNames, OurOwnClientsAndTheSequencersSystemPortsAreNoKeyboards) {
    struct Case {
        const char* name;
        bool own;
        bool system;
    };
    const Case cases[] = {
        {"Velunka:output", true, false},
        {"Velunka-01:keyboard", true, false},
        {"Velunka:keyboard 130:0", true, false},  // ALSA sequencer names end in client:port
        {"VelunkaFan:out", false, false},
        {"keys:Velunka", false, false},
        {"System:Timer 0:0", false, true},
        {"System:Announce 0:1", false, true},
        {"system:midi_capture_1", false, false},  // JACK's hardware ports are keyboards
        {"Midi Through:Midi Through Port-0 14:0", false, false},
        {"USB Keyboard:USB Keyboard MIDI 1 20:0", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsOwnPort(c.name), c.own) << c.name;
        EXPECT_EQ(IsSystemPort(c.name), c.system) << c.name;
    }
}

}  // namespace
}  // namespace winmm
