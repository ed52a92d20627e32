// Keyboards and an external synthesizer on a private JACK server (dummy driver): what the
// keyboard input connects and hands on, and what the port device sends.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "JackServer.h"
#include "PortDevice.h"
#include "TempDir.h"
#include "winmm/MidiIn.h"
#include "winmm/MidiOut.h"
#include "winmm/mmsystem.h"

namespace winmm {
namespace {

using jack_test::JackServer;
using jack_test::TestKeyboard;
using jack_test::TestSynth;
using jack_test::WaitUntil;
using Bytes = std::vector<unsigned char>;

bool HasAlsaSequencer() {
    return access("/dev/snd/seq", F_OK) == 0;
}

using NoteList = jack_test::Collected<KeyboardNote>;

KeyboardNoteHandler Into(NoteList& notes) {
    return [&notes](KeyboardNote note) { notes.Add(note); };
}

bool IsConnected(const KeyboardInput& input, const std::string& port) {
    const std::vector<std::string> connected = input.ConnectedPorts();
    return std::ranges::find(connected, port) != connected.end();
}

bool WaitConnected(const KeyboardInput& input, const std::string& port) {
    return WaitUntil([&] { return IsConnected(input, port); });
}

class JackPorts : public ::testing::Test {
  protected:
    void SetUp() override {
        // With a sequencer the layer would rightly prefer it to JACK.
        if (HasAlsaSequencer()) GTEST_SKIP() << "this machine has an ALSA sequencer";
        server = std::make_unique<JackServer>();
        ASSERT_TRUE(server->Running()) << "jackd did not start";
    }

    std::unique_ptr<JackServer> server;
    NoteList notes;
};

TEST_F(JackPorts, AKeyboardPresentAtStartIsConnectedAndItsNotesArriveInOrder) {
    TestKeyboard keyboard("test-keys", "out");
    const std::unique_ptr<KeyboardInput> input = OpenKeyboardInput("auto", Into(notes));
    ASSERT_NE(input, nullptr);
    ASSERT_TRUE(WaitConnected(*input, "test-keys:out"));

    for (const Bytes& message : std::vector<Bytes>{
             {0x90, 60, 100},
             {0xB0, 64, 127},  // pedal: not a note
             {0x90, 60, 0},
             {0x95, 72, 1},  // another channel
             {0xE0, 0, 64},
             {0x85, 72, 64},
             {0x90, 12, 80},
         }) {
        keyboard.Play(message);
    }
    ASSERT_TRUE(notes.WaitForCount(5));
    EXPECT_EQ(notes.Items(), (std::vector<KeyboardNote>{
                                 {60, true}, {60, false}, {72, true}, {72, false}, {12, true}}));
}

TEST_F(JackPorts, AKeyboardThatAppearsLaterOrComesBackIsConnected) {
    const std::unique_ptr<KeyboardInput> input = OpenKeyboardInput(nullptr, Into(notes));
    ASSERT_NE(input, nullptr);
    for (int plugged = 1; plugged <= 2; ++plugged) {
        SCOPED_TRACE(plugged);
        {
            TestKeyboard keyboard("late-keys", "out");
            ASSERT_TRUE(WaitConnected(*input, "late-keys:out"));
            EXPECT_TRUE(JackServer::Connected("late-keys:out", "Velunka"));
            keyboard.Play({0x90, static_cast<unsigned char>(60 + plugged), 100});
            ASSERT_TRUE(notes.WaitForCount(plugged));
        }
        ASSERT_TRUE(WaitUntil([&] { return !IsConnected(*input, "late-keys:out"); }));
    }
    EXPECT_EQ(notes.Items(), (std::vector<KeyboardNote>{{61, true}, {62, true}}));
}

TEST_F(JackPorts, OnlyTheChosenKeyboardsAreConnectedAndNeverOurOwnOutput) {
    TestSynth synth("test-synth", "in");
    PortDevice output("test-synth:in");
    ASSERT_EQ(output.Open(), MMSYSERR_NOERROR);

    for (const char* setting : {"auto", "piano"}) {
        SCOPED_TRACE(setting);
        const std::unique_ptr<KeyboardInput> input = OpenKeyboardInput(setting, Into(notes));
        TestKeyboard organ("organ", "out");
        TestKeyboard piano("grand-piano", "out");
        ASSERT_TRUE(WaitConnected(*input, "grand-piano:out"));
        // A later look at the port list than the one that found the piano.
        TestKeyboard probe("piano-probe", "out");
        ASSERT_TRUE(WaitConnected(*input, "piano-probe:out"));

        const std::vector<std::string> connected = input->ConnectedPorts();
        EXPECT_EQ(IsConnected(*input, "organ:out"), std::string(setting) == "auto");
        EXPECT_TRUE(std::ranges::none_of(connected, [](const std::string& port) {
            return port.starts_with("Velunka");
        })) << testing::PrintToString(connected);
    }
    output.Close();
}

TEST(KeyboardInputSetting, NoneOpensNoInput) {
    EXPECT_EQ(OpenKeyboardInput("none", [](KeyboardNote) {}), nullptr);
}

class PortOutput : public JackPorts {
  protected:
    void TearDown() override { InstallDevice(nullptr); }

    TempDir temp;
};

TEST_F(PortOutput, MessagesArriveUnchangedAndACloseEndsTheNotesStillSounding) {
    TestSynth synth("test-synth", "in");
    const std::string log = (temp.Path() / "midi.log").string();
    const DeviceChoice choice = ChooseDevice(("port+record:test-synth:in:" + log).c_str());
    ASSERT_NE(choice.device, nullptr);
    ASSERT_NE(choice.log, nullptr);
    InstallDevice(choice.device, choice.log);

    HMIDIOUT handle = 0;
    ASSERT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, 0), MMSYSERR_NOERROR);
    EXPECT_TRUE(JackServer::Connected("test-synth:in", "Velunka"));
    for (std::uint32_t message : {
             0x000005C0u,  // program change
             0x007F3C90u,  // 60 on
             0x00403E90u,  // 62 on
             0x00003C80u,  // 60 off
             0x00644093u,  // 64 on, channel 4
             0x00400AB0u,  // control change
         }) {
        EXPECT_EQ(midiOutShortMsg(handle, message), MMSYSERR_NOERROR);
    }
    ASSERT_EQ(midiOutClose(handle), MMSYSERR_NOERROR);

    ASSERT_TRUE(synth.Got().WaitForCount(8));
    EXPECT_EQ(synth.Got().Items(), (std::vector<Bytes>{
                                       {0xC0, 0x05},
                                       {0x90, 0x3C, 0x7F},
                                       {0x90, 0x3E, 0x40},
                                       {0x80, 0x3C, 0x00},
                                       {0x93, 0x40, 0x64},
                                       {0xB0, 0x0A, 0x40},
                                       {0x80, 0x3E, 0x00},  // the close's own note-offs
                                       {0x83, 0x40, 0x00},
                                   }));
    std::ifstream lines(log);
    const std::string text((std::istreambuf_iterator<char>(lines)), {});
    EXPECT_NE(text.find(" msg 1 90 3c 7f 00\n"), std::string::npos) << text;
    EXPECT_NE(text.find(" close 1\n"), std::string::npos) << text;
}

TEST_F(PortOutput, NoPortOfTheNameIsNoDeviceAndOurOwnInputIsNoSynthesizer) {
    TestSynth synth("test-synth", "in");
    TestKeyboard keyboard("test-keys", "out");
    const std::unique_ptr<KeyboardInput> input = OpenKeyboardInput("auto", Into(notes));
    ASSERT_TRUE(WaitConnected(*input, "test-keys:out"));  // so our input port exists
    for (const char* setting : {"port:no-such-synth", "port:Velunka"}) {
        InstallDevice(ChooseDevice(setting).device);
        HMIDIOUT handle = 0;
        EXPECT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, 0), MIDIERR_NODEVICE) << setting;
    }
}

TEST(NoMidiSystem, InputIsAbsentAndAPortCannotOpenWithoutAWord) {
    if (HasAlsaSequencer()) GTEST_SKIP() << "this machine has an ALSA sequencer";
    setenv("JACK_DEFAULT_SERVER", ("velunka-test-absent-" + std::to_string(getpid())).c_str(), 1);
    NoteList notes;

    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    std::unique_ptr<KeyboardInput> input = OpenKeyboardInput("auto", Into(notes));
    EXPECT_NE(input, nullptr);
    PortDevice output("synth");
    const MMRESULT result = output.Open();
    input.reset();  // waits for the input's thread, which has looked for a system by then
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    unsetenv("JACK_DEFAULT_SERVER");

    EXPECT_EQ(result, MIDIERR_NODEVICE);
    EXPECT_EQ(out + err, "");
    EXPECT_TRUE(notes.Items().empty());
}

}  // namespace
}  // namespace winmm
