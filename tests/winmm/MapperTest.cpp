// The mapper in front of a scripted device, with every call recorded.
#include <gtest/gtest.h>

#include <cstdlib>

#include "winmm/MidiOut.h"
#include "winmm/mmsystem.h"

namespace winmm {
namespace {

constexpr std::uint32_t kNoteOn = 0x007F3C90;
constexpr HMIDIOUT kUntouched = 0xDEADBEEF;

class Mapper : public ::testing::Test {
  protected:
    void SetUp() override { InstallDevice(device, recorder); }
    void TearDown() override { InstallDevice(std::make_shared<ScriptedDevice>()); }

    HMIDIOUT OpenOrFail() {
        HMIDIOUT handle = 0;
        EXPECT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, 0), MMSYSERR_NOERROR);
        return handle;
    }

    std::shared_ptr<ScriptedDevice> device = std::make_shared<ScriptedDevice>();
    std::shared_ptr<MidiCallRecorder> recorder =
        std::make_shared<MidiCallRecorder>([] { return 0.0; });
};

TEST_F(Mapper, AnOpenWhileOpenGivesTheLiveHandleAndOneCloseClosesIt) {
    const HMIDIOUT first = OpenOrFail();
    const HMIDIOUT second = OpenOrFail();
    EXPECT_NE(first, 0u);
    EXPECT_EQ(second, first);
    EXPECT_EQ(device->opens, 1);

    EXPECT_EQ(midiOutShortMsg(first, kNoteOn), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutClose(first), MMSYSERR_NOERROR);
    EXPECT_EQ(device->closes, 1);
    EXPECT_FALSE(device->open);

    EXPECT_EQ(midiOutShortMsg(first, kNoteOn), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiOutClose(second), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(device->sent, std::vector<std::uint32_t>{kNoteOn});
    EXPECT_EQ(device->closes, 1);

    struct Expected {
        MidiCall::Kind kind;
        HMIDIOUT handle;
        MMRESULT result;
    };
    const std::vector<Expected> expected = {
        {MidiCall::Open, first, MMSYSERR_NOERROR},
        {MidiCall::Open, first, MMSYSERR_NOERROR},
        {MidiCall::Message, first, MMSYSERR_NOERROR},
        {MidiCall::Close, first, MMSYSERR_NOERROR},
        {MidiCall::Message, first, MMSYSERR_INVALHANDLE},
        {MidiCall::Close, first, MMSYSERR_INVALHANDLE},
    };
    const auto& entries = recorder->Entries();
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].call.kind, expected[i].kind);
        EXPECT_EQ(entries[i].call.handle, expected[i].handle);
        EXPECT_EQ(entries[i].call.result, expected[i].result);
    }
    EXPECT_EQ(entries[2].call.message, kNoteOn);
}

TEST_F(Mapper, HandlesThatAreNotLiveAreRefusedAndChangeNothing) {
    const HMIDIOUT closed = OpenOrFail();
    midiOutClose(closed);
    const HMIDIOUT live = OpenOrFail();
    device->sent.clear();
    recorder->Clear();

    const struct {
        const char* name;
        HMIDIOUT handle;
    } cases[] = {{"null", 0}, {"closed earlier", closed}, {"never given", live + 1000}};
    for (const auto& refused : cases) {
        SCOPED_TRACE(refused.name);
        EXPECT_EQ(midiOutShortMsg(refused.handle, kNoteOn), MMSYSERR_INVALHANDLE);
        EXPECT_EQ(midiOutClose(refused.handle), MMSYSERR_INVALHANDLE);
    }
    EXPECT_TRUE(device->sent.empty());
    EXPECT_EQ(device->closes, 1);
    EXPECT_TRUE(device->open);
    EXPECT_EQ(recorder->Entries().size(), 2 * std::size(cases));

    EXPECT_EQ(midiOutShortMsg(live, kNoteOn), MMSYSERR_NOERROR);
    EXPECT_EQ(device->sent.size(), 1u);
}

TEST_F(Mapper, AFailedOpenLeavesTheHandleAloneAndGivesNone) {
    const struct {
        const char* name;
        MMRESULT deviceResult;
        std::uint32_t deviceId;
        MMRESULT expected;
    } cases[] = {
        {"device in use", MMSYSERR_ALLOCATED, MIDI_MAPPER, MMSYSERR_ALLOCATED},
        {"no device", MIDIERR_NODEVICE, MIDI_MAPPER, MIDIERR_NODEVICE},
        {"out of memory", MMSYSERR_NOMEM, 0, MMSYSERR_NOMEM},
        {"device number other than the mapper or 0", MMSYSERR_NOERROR, 1, MMSYSERR_BADDEVICEID},
    };
    for (const auto& failing : cases) {
        SCOPED_TRACE(failing.name);
        device->openResult = failing.deviceResult;
        recorder->Clear();
        HMIDIOUT handle = kUntouched;
        EXPECT_EQ(midiOutOpen(&handle, failing.deviceId, 0, 0, 0), failing.expected);
        EXPECT_EQ(handle, kUntouched);
        ASSERT_EQ(recorder->Entries().size(), 1u);
        EXPECT_EQ(recorder->Entries()[0].call.handle, 0u);
        EXPECT_EQ(recorder->Entries()[0].call.result, failing.expected);
        EXPECT_FALSE(device->open);
    }
    EXPECT_EQ(midiOutOpen(nullptr, MIDI_MAPPER, 0, 0, 0), MMSYSERR_INVALPARAM);

    device->openResult = MMSYSERR_NOERROR;
    const HMIDIOUT handle = OpenOrFail();
    EXPECT_EQ(midiOutShortMsg(handle, kNoteOn), MMSYSERR_NOERROR);
}

TEST_F(Mapper, HandlesAreNeverGivenTwice) {
    std::vector<HMIDIOUT> given;
    for (int i = 0; i < 3; ++i) {
        given.push_back(OpenOrFail());
        midiOutClose(given.back());
    }
    InstallDevice(std::make_shared<ScriptedDevice>());
    given.push_back(OpenOrFail());
    for (std::size_t i = 1; i < given.size(); ++i) EXPECT_GT(given[i], given[i - 1]);
}

TEST_F(Mapper, InstallingADeviceClosesTheLiveOutputAndDropsItsHandle) {
    const HMIDIOUT old = OpenOrFail();
    auto replacement = std::make_shared<ScriptedDevice>();
    InstallDevice(replacement);

    EXPECT_EQ(device->closes, 1);
    EXPECT_EQ(midiOutShortMsg(old, kNoteOn), MMSYSERR_INVALHANDLE);
    EXPECT_TRUE(replacement->sent.empty());
}

TEST(MapperChoice, TheEnvironmentChoosesTheDeviceAtTheFirstOpen) {
    setenv("VELUNKA_MIDI_OUT", "speakers", 1);
    InstallDevice(nullptr);
    HMIDIOUT handle = kUntouched;
    EXPECT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, 0), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(handle, kUntouched);

    // Chosen once: a later change of the variable is not seen.
    setenv("VELUNKA_MIDI_OUT", "record:/dev/null", 1);
    EXPECT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, 0), MMSYSERR_BADDEVICEID);

    InstallDevice(nullptr);
    EXPECT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, 0), MMSYSERR_NOERROR);
    midiOutClose(handle);
    unsetenv("VELUNKA_MIDI_OUT");
    InstallDevice(std::make_shared<ScriptedDevice>());
}

TEST(MapperChoice, DevicesByName) {
    const struct {
        const char* setting;
        bool device;
        bool log;
    } cases[] = {
        {nullptr, true, false},
        {"", true, false},
        {"synth", true, false},
        {"record:/dev/null", true, true},
        {"synth+record:/dev/null", true, true},
        {"Synth", false, false},
        {"record", false, false},
        {"synth+", false, false},
        {"port:1", true, false},
        {"port+record:fluid:in:/dev/null", true, true},
        {"port+record:fluid", false, false},  // no path
        {"port", false, false},
    };
    for (const auto& choice : cases) {
        SCOPED_TRACE(choice.setting ? choice.setting : "(unset)");
        const DeviceChoice chosen = ChooseDevice(choice.setting);
        EXPECT_EQ(chosen.device != nullptr, choice.device);
        EXPECT_EQ(chosen.log != nullptr, choice.log);
    }
}

}  // namespace
}  // namespace winmm
