#include <memory>

#include "ProgramFixture.h"

using ::testing::ElementsAre;

namespace {

class MidiOutputTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartProgram();
        OpenOutput();
        recorder->Clear();
    }
};

struct KeyNoteCase {
    const char* what;
    int instrument;
    int volume;
    int key;
    const char* programChange;
    const char* noteOn;
    const char* noteOff;
};

void PrintTo(const KeyNoteCase& c, std::ostream* out) {
    *out << c.what;
}

class KeyNoteTest : public MidiOutputTest, public ::testing::WithParamInterface<KeyNoteCase> {};

TEST_P(KeyNoteTest, SendsProgramChangeNoteOnAndNoteOffWithTheLastVelocity) {
    const KeyNoteCase& c = GetParam();
    FormMain->Instrument = static_cast<std::uint8_t>(c.instrument);
    FormMain->Volume = static_cast<std::uint8_t>(c.volume);

    FormMain->KeyNoteOn(c.key);
    FormMain->KeyNoteOff(c.key);

    EXPECT_THAT(MessagesSent(), ElementsAre(c.programChange, c.noteOn, c.noteOff));
    EXPECT_EQ(FormMain->RefNote, c.key);
    EXPECT_EQ(device->sent.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Cases, KeyNoteTest,
                         ::testing::Values(KeyNoteCase{"DefaultsMiddleC", 0, 127, 48, "C0 00 00 00",
                                                       "90 3C 7F 00", "80 3C 7F 00"},
                                           KeyNoteCase{"LowestKey", 5, 64, 0, "C0 05 00 00",
                                                       "90 0C 40 00", "80 0C 40 00"},
                                           KeyNoteCase{"HighestKeyVolumeZero", 24, 0, 115,
                                                       "C0 18 00 00", "90 7F 00 00",
                                                       "80 7F 00 00"}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(MidiOutputTest, ChordSendsAProgramChangeBeforeEveryNoteOn) {
    FormMain->Instrument = 74;
    FormMain->Volume = 100;
    FormMain->Notes = {60, 64, 67, 70};
    FormMain->NoteCount = 4;

    for (int pos = 0; pos < 4; ++pos) FormMain->NoteOn(pos);
    FormMain->NoteOff(1);

    EXPECT_THAT(MessagesSent(), ElementsAre("C0 4A 00 00", "90 3C 64 00", "C0 4A 64 00",
                                            "90 40 64 00", "C0 4A 64 00", "90 43 64 00",
                                            "C0 4A 64 00", "90 46 64 00", "80 40 64 00"));
}

TEST_F(MidiOutputTest, VolumeChangeShowsInTheNextProgramChangeAndNoteOff) {
    FormMain->KeyNoteOn(48);
    FormMain->Volume = 0;
    FormMain->KeyNoteOn(50);
    FormMain->KeyNoteOff(48);

    EXPECT_THAT(MessagesSent(), ElementsAre("C0 00 00 00", "90 3C 7F 00", "C0 00 7F 00",
                                            "90 3E 00 00", "80 3C 00 00"));
    EXPECT_EQ(FormMain->RefNote, 50);
}

TEST_F(MidiOutputTest, ReferenceToneHoldsMiddleCForOneSecondWithNoTimerInBetween) {
    FormMain->ButtonRef->Visible = true;
    FormMain->Notes = {61, 62, 63};
    FormMain->NotePos = 2;
    FormMain->Mode = "single";
    FormMain->Phase = "answer";

    std::vector<std::pair<std::int64_t, size_t>> ticks;  // time, MIDI calls logged by then
    auto probe = std::make_unique<vcl::TTimer>(FormMain);
    probe->OnTimer = [&](vcl::TObject*) {
        ticks.emplace_back(backend->Now(), recorder->Entries().size());
    };
    probe->Interval = 300;
    std::int64_t start = backend->Now();

    FormMain->ButtonRef->Click();

    ASSERT_THAT(MessagesSent(), ElementsAre("C0 00 00 00", "90 3C 7F 00", "80 3C 7F 00"));
    const auto& entries = recorder->Entries();
    EXPECT_EQ(entries[1].time, start);
    EXPECT_EQ(entries[2].time, start + 1000);
    ASSERT_FALSE(ticks.empty()) << "the tick that fell due during the tone comes afterwards";
    EXPECT_EQ(ticks.front().second, 3u) << "no tick before the note off";
    EXPECT_EQ(ticks.front().first, start + 1000);

    EXPECT_EQ(FormMain->RefNote, 48);
    EXPECT_EQ(FormMain->NotePos, 2);
    EXPECT_EQ(FormMain->Notes[0], 61);
    EXPECT_EQ(FormMain->Mode, "single");
    EXPECT_EQ(FormMain->Phase, "answer");
}

}  // namespace
