// Short messages turned into FluidSynth calls, seen in the synth's channel and voice state.
#include <gtest/gtest.h>

#include <fluidsynth.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "ShortMessage.h"
#include "Soundfont.h"

namespace winmm {
namespace {

std::uint32_t Msg(int status, int data1, int data2 = 0) {
    return status | data1 << 8 | data2 << 16;
}

class ShortMessages : public ::testing::Test {
  protected:
    void SetUp() override {
        fluid_settings_setint(settings.get(), "synth.dynamic-sample-loading", 1);
        synth.reset(new_fluid_synth(settings.get()));
        ASSERT_NE(fluid_synth_sfload(synth.get(),
                                     FindSoundfont(nullptr, kSystemSoundfontFolder).c_str(), 1),
                  FLUID_FAILED);
    }

    void Play(std::initializer_list<std::uint32_t> messages) {
        for (std::uint32_t message : messages) PlayShortMessage(synth.get(), message);
    }

    // Keys held down (not released), as channel * 128 + key.
    std::vector<int> HeldKeys() {
        std::vector<fluid_voice_t*> voices(64, nullptr);
        fluid_synth_get_voicelist(synth.get(), voices.data(), int(voices.size()), -1);
        std::vector<int> held;
        for (fluid_voice_t* voice : voices) {
            if (!voice || !fluid_voice_is_on(voice)) continue;
            const int key = fluid_voice_get_channel(voice) * 128 + fluid_voice_get_key(voice);
            if (std::find(held.begin(), held.end(), key) == held.end()) held.push_back(key);
        }
        return held;
    }

    int Controller(int channel, int number) {
        int value = -1;
        fluid_synth_get_cc(synth.get(), channel, number, &value);
        return value;
    }
    int PitchBend(int channel) {
        int value = -1;
        fluid_synth_get_pitch_bend(synth.get(), channel, &value);
        return value;
    }
    int Program(int channel) {
        int soundfont = 0, bank = 0, program = -1;
        fluid_synth_get_program(synth.get(), channel, &soundfont, &bank, &program);
        return program;
    }

    std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings{
        new_fluid_settings(), delete_fluid_settings};
    std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)> synth{nullptr,
                                                                        delete_fluid_synth};
};

TEST_F(ShortMessages, NotesStartAndEndOnTheirChannel) {
    const struct {
        const char* name;
        std::vector<std::uint32_t> messages;
        std::vector<int> held;
    } cases[] = {
        {"note on", {Msg(0x93, 64, 90)}, {3 * 128 + 64}},
        {"note off", {Msg(0x93, 64, 90), Msg(0x83, 64, 90)}, {}},
        {"note on with velocity 0", {Msg(0x93, 64, 90), Msg(0x93, 64, 0)}, {}},
        {"note off on another channel", {Msg(0x93, 64, 90), Msg(0x80, 64, 90)}, {3 * 128 + 64}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fluid_synth_all_sounds_off(synth.get(), -1);
        for (std::uint32_t message : c.messages) PlayShortMessage(synth.get(), message);
        EXPECT_EQ(HeldKeys(), c.held);
    }
}

TEST_F(ShortMessages, ControllersPitchBendAndProgramChange) {
    Play({Msg(0xB2, 7, 100), Msg(0xE1, 0x7F, 0x7F), Msg(0xE4, 0x01, 0x00),
          // The program's program change carries a leftover velocity as its second byte.
          Msg(0xC5, 40, 0x7F)});
    EXPECT_EQ(Controller(2, 7), 100);
    EXPECT_EQ(PitchBend(1), 16383);
    EXPECT_EQ(PitchBend(4), 1);
    EXPECT_EQ(Program(5), 40);
    EXPECT_EQ(Program(0), 0);
}

TEST_F(ShortMessages, WhatIsNoChannelMessageOrMalformedIsIgnored) {
    Play({
        Msg(0x3C, 0x64),        // running status: no status byte
        Msg(0xF8, 0, 0),        // system real time
        Msg(0xFF, 0, 0),        // system reset
        Msg(0x90, 0xBC, 0x64),  // key number out of range
        Msg(0x90, 60, 0xE4),    // velocity out of range
        Msg(0xB0, 7, 0x80),     // controller value out of range
        Msg(0xC0, 0x85),        // program out of range
    });
    EXPECT_TRUE(HeldKeys().empty());
    EXPECT_EQ(Controller(0, 7), 100);  // the default volume
    EXPECT_EQ(Program(0), 0);
}

}  // namespace
}  // namespace winmm
