#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "FluidSynthEngine.h"
#include "Soundfont.h"
#include "TempDir.h"

namespace winmm {
namespace {

EngineConfig Offline(std::string soundfont) {
    EngineConfig config;
    config.soundfont = std::move(soundfont);
    config.audio = false;
    return config;
}

// The system's soundfont cut off at half its length, as an interrupted copy leaves it.
std::string HalfASoundfont(const TempDir& dir) {
    const std::filesystem::path half = dir.Path() / "half.sf2";
    const std::string whole = FindSoundfont(nullptr, kSystemSoundfontFolder);
    std::filesystem::copy_file(whole, half);
    std::filesystem::resize_file(half, std::filesystem::file_size(whole) / 2);
    return half.string();
}

TEST(FluidSynthEngine, NoUsableSoundfontIsNoDeviceAndStaysOffTheTerminal) {
    TempDir dir;
    const struct {
        const char* name;
        std::string soundfont;
    } cases[] = {
        {"none found", ""},
        {"missing file", (dir.Path() / "missing.sf2").string()},
        {"empty file", dir.File("empty.sf2", "").string()},
        {"text file", dir.File("notes.sf2", "This is no soundfont.\n").string()},
        {"soundfont cut off halfway", HalfASoundfont(dir)},
        {"cut-off soundfont",
         dir.File("cut.sf2", std::string("RIFF\x10\0\0\0sfbkLIST\x04\0\0\0INFO", 24)).string()},
    };
    for (const auto& c : cases)
        for (const bool prepared : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (prepared ? ", loaded in the background" : ""));
            FluidSynthEngine engine(Offline(c.soundfont));
            ::testing::internal::CaptureStderr();
            ::testing::internal::CaptureStdout();
            if (prepared) engine.Prepare();
            const MMRESULT result = engine.Open();
            const std::string terminal =
                ::testing::internal::GetCapturedStdout() + ::testing::internal::GetCapturedStderr();

            EXPECT_EQ(result, MIDIERR_NODEVICE);
            EXPECT_EQ(terminal, "");
            EXPECT_NE(engine.Diagnostics(), "");
            std::vector<float> left(64, 1.0f), right(64, 1.0f);
            engine.Render(left, right);
            EXPECT_EQ(left, std::vector<float>(64, 0.0f));
        }
}

TEST(FluidSynthEngine, NoAudioOutputIsNoDevice) {
    EngineConfig config = Offline(FindSoundfont(nullptr, kSystemSoundfontFolder));
    config.audio = true;
    config.audioDrivers = {"no-such-driver"};
    FluidSynthEngine engine(config);
    EXPECT_EQ(engine.Open(), MIDIERR_NODEVICE);
    EXPECT_FALSE(engine.HasAudio());
}

TEST(FluidSynthEngine, TheAudioDriverLastsUntilReleasedAfterAClose) {
    TempDir dir;
    EngineConfig config = Offline(FindSoundfont(nullptr, kSystemSoundfontFolder));
    config.audio = true;
    // FluidSynth's file driver: a real driver with its own thread, and no sound server.
    config.audioDrivers = {"file"};
    config.extraSettings = {{"audio.file.name", (dir.Path() / "out.raw").string()},
                            {"audio.file.type", "raw"}};
    FluidSynthEngine engine(config);

    ASSERT_EQ(engine.Open(), MMSYSERR_NOERROR) << engine.Diagnostics();
    EXPECT_TRUE(engine.HasAudio());
    engine.ReleaseAudioIfClosed();
    EXPECT_TRUE(engine.HasAudio()) << "kept while the output is open";

    engine.Close();
    EXPECT_TRUE(engine.HasAudio()) << "kept for a reopen soon after the close";
    engine.ReleaseAudioIfClosed();
    EXPECT_FALSE(engine.HasAudio());

    ASSERT_EQ(engine.Open(), MMSYSERR_NOERROR);
    EXPECT_TRUE(engine.HasAudio());
}

TEST(AudioFailureResult, ABusyDeviceIsAllocatedAnythingElseNoDevice) {
    const struct {
        const char* log;
        MMRESULT expected;
    } cases[] = {
        {"fluidsynth error: The \"default\" audio device is used by another application\n",
         MMSYSERR_ALLOCATED},
        {"fluidsynth error: Failed to create PulseAudio connection, because pa_simple_new() "
         "failed with error: Device or resource busy\n",
         MMSYSERR_ALLOCATED},
        {"fluidsynth error: Failed to create PulseAudio connection, because pa_simple_new() "
         "failed with error: Connection refused\n"
         "fluidsynth error: Failed to open the \"default\" audio device\n",
         MIDIERR_NODEVICE},
        {"", MIDIERR_NODEVICE},
    };
    for (const auto& c : cases) EXPECT_EQ(AudioFailureResult(c.log), c.expected) << c.log;
}

}  // namespace
}  // namespace winmm
