// The synthesizer rendered offline, without an audio driver or sound server.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Pitch.h"
#include "Soundfont.h"
#include "SynthDevice.h"

namespace winmm {
namespace {

constexpr double kSampleRate = 44100.0;

std::uint32_t NoteOn(int note, int velocity) {
    return 0x90 | note << 8 | velocity << 16;
}
constexpr std::uint32_t kPianoProgram = 0xC0;

class OfflineSynth : public ::testing::Test {
  public:
    static SynthConfig Config() {
        SynthConfig config;
        config.engine.soundfont = FindSoundfont(nullptr, kSystemSoundfontFolder);
        config.engine.audio = false;
        // Without them, what sounds after a close is the voices alone.
        config.engine.extraSettings = {{"synth.reverb.active", "0"}, {"synth.chorus.active", "0"}};
        return config;
    }

  protected:
    // Both channels summed.
    std::vector<float> Render(double seconds) {
        const auto frames = static_cast<std::size_t>(seconds * kSampleRate);
        std::vector<float> left(frames), right(frames);
        device.Engine().Render(left, right);
        for (std::size_t i = 0; i < frames; ++i) left[i] += right[i];
        return left;
    }

    static float Peak(std::span<const float> samples) {
        float peak = 0.0f;
        for (float sample : samples) peak = std::max(peak, std::fabs(sample));
        return peak;
    }

    SynthDevice device{Config()};
};

class OfflineSynthPitch : public OfflineSynth, public ::testing::WithParamInterface<int> {};

TEST_P(OfflineSynthPitch, PianoNoteSoundsAtItsPitch) {
    const int note = GetParam();
    ASSERT_EQ(device.Open(), MMSYSERR_NOERROR) << device.Engine().Diagnostics();
    device.Send(kPianoProgram);
    device.Send(NoteOn(note, 100));

    const std::vector<float> sound = Render(0.4);
    const std::span<const float> afterOnset =
        std::span(sound).subspan(static_cast<std::size_t>(0.05 * kSampleRate));
    const double frequency = EstimatePitch(afterOnset, kSampleRate);

    EXPECT_NEAR(CentsBetween(frequency, MidiNoteFrequency(note)), 0.0, 30.0)
        << "note " << note << " sounded at " << frequency << " Hz";
}

INSTANTIATE_TEST_SUITE_P(Notes, OfflineSynthPitch, ::testing::Values(48, 60, 69));

TEST_F(OfflineSynth, CloseSilencesWhatStillSoundsAndAReopenPlaysAgain) {
    ASSERT_EQ(device.Open(), MMSYSERR_NOERROR) << device.Engine().Diagnostics();
    device.Send(kPianoProgram);
    device.Send(NoteOn(60, 100));
    const std::vector<float> beforeClose = Render(0.3);
    ASSERT_GT(Peak(std::span(beforeClose).last(2205)), 0.01f) << "the note should still sound";

    device.Close();
    const std::vector<float> afterClose = Render(0.3);
    // The voices are faded out within a few milliseconds, against clicks.
    EXPECT_EQ(Peak(std::span(afterClose).subspan(441)), 0.0f);

    ASSERT_EQ(device.Open(), MMSYSERR_NOERROR);
    device.Send(kPianoProgram);
    device.Send(NoteOn(60, 100));
    EXPECT_GT(Peak(Render(0.2)), 0.01f);
}

// Only channel 1 gets an instrument, the piano, read before the first note: with the soundfont
// loaded in the background or at the first open alike.
TEST(SynthFirstInstrument, PlaysWithoutAProgramChangeOnlyOnTheProgramsChannel) {
    for (const bool prepared : {true, false}) {
        SCOPED_TRACE(prepared ? "prepared" : "opened at once");
        SynthDevice synth(OfflineSynth::Config());
        if (prepared) synth.Prepare();
        ASSERT_EQ(synth.Open(), MMSYSERR_NOERROR) << synth.Engine().Diagnostics();
        std::vector<float> left(8820), right(8820);

        synth.Send(NoteOn(60, 100) | 1);  // channel 2
        synth.Engine().Render(left, right);
        EXPECT_EQ(*std::ranges::max_element(left), 0.0f);

        synth.Send(NoteOn(60, 100));
        synth.Engine().Render(left, right);
        EXPECT_GT(*std::ranges::max_element(left), 0.01f);
    }
}

}  // namespace
}  // namespace winmm
