// What a run must do beyond the plain steps: nothing starts or sounds after Stop, the output
// stays open for the whole run, no note is left sounding, nothing is read outside the question.
#include <algorithm>

#include "TrainingFixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class TrainingMendTest : public TrainingTest {
  protected:
    bool EveryMessageReachedAnOpenOutput() const {
        const auto& entries = recorder->Entries();
        return std::all_of(entries.begin(), entries.end(), [](const auto& entry) {
            return entry.call.kind != winmm::MidiCall::Message ||
                   entry.call.result == MMSYSERR_NOERROR;
        });
    }
    int Closes() const {
        const auto& entries = recorder->Entries();
        return static_cast<int>(std::count_if(entries.begin(), entries.end(), [](const auto& e) {
            return e.call.kind == winmm::MidiCall::Close;
        }));
    }
};

TEST_F(TrainingMendTest, NothingStartsOrSoundsAfterStop) {
    struct Case {
        const char* what;
        int stopAfterMs;  // after the answer phase began
        bool answerRight;
    };
    for (Case c : {Case{"next question pending", 300, true}, Case{"replay pending", 300, false},
                   Case{"question sounding", -500, false}}) {
        SCOPED_TRACE(c.what);
        Restart();
        UseRange(60, 60);
        FormMain->CheckBoxSeq->Checked = true;
        Click(FormMain->ButtonStart);
        Advance(c.stopAfterMs < 0 ? 1800 + c.stopAfterMs : 1800);
        if (c.stopAfterMs >= 0) {
            PressKey(c.answerRight ? 48 : 50);
            Advance(c.stopAfterMs);
        }
        recorder->Clear();
        Click(FormMain->ButtonStop);
        EXPECT_EQ(backend->ArmedTimerCount(), 0);
        Advance(5000);
        EXPECT_THAT(Timeline(), ElementsAre(::testing::EndsWith("close")));
        EXPECT_FALSE(device->open);
        EXPECT_EQ(FormMain->Mode, "");
        EXPECT_FALSE(FormMain->LabelQuestion->Visible());
        EXPECT_TRUE(FormMain->MenuSetting->Enabled());
    }
}

TEST_F(TrainingMendTest, AReferenceNoteEndingWhileARunIsPendingLeavesTheOutputOpen) {
    struct Case {
        const char* what;
        int keyAtMs;
        int startAtMs;
        int noteLength;
    };
    for (Case c : {Case{"key just before Start", 0, 500, 1000},
                   Case{"key while the first question is pending", 300, 0, 400}}) {
        SCOPED_TRACE(c.what);
        Restart();
        UseRange(60, 60);
        FormMain->NoteLength = c.noteLength;
        for (int ms = 0; ms < 800 + std::max(c.keyAtMs, c.startAtMs); ++ms) {
            if (ms == c.keyAtMs) PressKey(50);
            if (ms == c.startAtMs) Click(FormMain->ButtonStart);
            Advance(1);
        }
        Advance(c.noteLength + 100);
        EXPECT_EQ(FormMain->Phase, "answer");
        EXPECT_EQ(Closes(), 0);
        EXPECT_TRUE(device->open);
        EXPECT_TRUE(EveryMessageReachedAnOpenOutput());
        EXPECT_THAT(SoundingAfter(recorder->Entries()), IsEmpty());
        Click(FormMain->ButtonStop);
        EXPECT_FALSE(device->open);
    }
}

TEST_F(TrainingMendTest, AReplayStartedMidSequenceEndsTheNoteThatWasSounding) {
    std::srand(5);
    UsePattern(1);
    FormMain->NoteCount = 4;
    Click(FormMain->ButtonStart);
    Advance(800 + 1500);  // the second note sounds
    const int second = FormMain->Notes[1];
    recorder->Clear();
    Click(FormMain->ButtonRepeat);
    std::vector<std::string> timeline = Timeline();
    ASSERT_FALSE(timeline.empty());
    char off[24];
    std::snprintf(off, sizeof off, "2300 off %02X", second);
    EXPECT_EQ(timeline.front(), off);
    Advance(4000);
    EXPECT_THAT(SoundingAfter(recorder->Entries()), IsEmpty());
    EXPECT_EQ(FormMain->Phase, "answer");
}

TEST_F(TrainingMendTest, ANewQuestionEndsWhatStillSoundsOfTheLastOne) {
    for (int pattern : {0, 1, 2}) {
        SCOPED_TRACE(pattern);
        Restart();
        std::srand(9);
        UsePattern(pattern);
        FormMain->NoteCount = 3;
        FormMain->NoteLength = 2000;
        Click(FormMain->ButtonStart);
        Advance(1000);
        Click(FormMain->ButtonStart);
        Advance(800);  // the next question starts while the first one sounds
        ASSERT_FALSE(SoundingAfter(recorder->Entries()).empty());
        Advance(2000 * 4);
        EXPECT_THAT(SoundingAfter(recorder->Entries()), IsEmpty());
        EXPECT_EQ(FormMain->Phase, "answer");
    }
}

TEST_F(TrainingMendTest, AReferenceNoteSoundingWhenTheFirstQuestionStartsIsEnded) {
    for (int pattern : {0, 1, 2}) {
        SCOPED_TRACE(pattern);
        Restart();
        UsePattern(pattern);
        Click(FormMain->ButtonStart);
        Advance(500);
        PressKey(30);  // sounds for 1000 ms, past the question's start
        Advance(300);
        EXPECT_NE(FormMain->Mode, "");
        Advance(5000);
        EXPECT_THAT(SoundingAfter(recorder->Entries()), IsEmpty());
        Click(FormMain->ButtonStop);
    }
}

TEST_F(TrainingMendTest, AWrongPressDuringASequenceReplayRestartsItWithNothingLeftSounding) {
    std::srand(4);
    UsePattern(1);
    FormMain->NoteCount = 3;
    Click(FormMain->ButtonStart);
    Advance(800 + 3000);
    Click(FormMain->ButtonRepeat);
    Advance(1500);  // the replay's second note sounds; NotePos is 2
    PressKey(WrongKey());
    EXPECT_EQ(FormMain->NotePos, 0);
    Advance(500);  // the tick finds NotePos at 0
    Advance(10000);
    EXPECT_THAT(SoundingAfter(recorder->Entries()), IsEmpty());
    EXPECT_EQ(FormMain->Phase, "answer");
}

TEST_F(TrainingMendTest, APressWhileTheLastNoteOfASequenceReplaySoundsIsNotJudged) {
    std::srand(8);
    UsePattern(1);
    FormMain->NoteCount = 2;
    FormMain->Notes[2] = 60;  // what an earlier, longer question could have left there
    Click(FormMain->ButtonStart);
    Advance(800 + 2000);
    Click(FormMain->ButtonRepeat);
    Advance(1000);  // the replay's last note sounds
    ASSERT_EQ(FormMain->NotePos, 2);
    PressKey(48);
    PressKey(WrongKey());
    EXPECT_EQ(FormMain->SeqOk + FormMain->SeqNg, 0);
    EXPECT_FALSE(FormMain->LabelNg->Visible());
    EXPECT_FALSE(FormMain->LabelOk->Visible());
}

TEST_F(TrainingMendTest, TheReplayOfASingleNoteListsItsNameAgain) {
    UseRange(60, 60);
    Click(FormMain->ButtonStart);
    Advance(1800);
    Click(FormMain->ButtonRepeat);
    EXPECT_THAT(MemoLines(FormMain->MemoNoted), IsEmpty());
    Advance(1000);
    EXPECT_THAT(MemoLines(FormMain->MemoNoted), ElementsAre("c4"));

    FormMain->CheckBoxNoAnswer->Checked = true;
    Click(FormMain->ButtonRepeat);
    Advance(1000);
    EXPECT_THAT(MemoLines(FormMain->MemoNoted), IsEmpty());
}

TEST_F(TrainingMendTest, StopSilencesInsideTheDeviceWithoutANoteOffOfItsOwn) {
    UseRange(60, 60);
    Click(FormMain->ButtonStart);
    Advance(900);
    recorder->Clear();
    Click(FormMain->ButtonStop);
    EXPECT_THAT(Timeline(), ElementsAre("900 close"));
    EXPECT_EQ(device->closes, 2);  // the start-up check's and Stop's
}

}  // namespace
