#include <cstdlib>
#include <string>

#include "TrainingFixture.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

std::string At(int ms, const char* what, int note) {
    char text[32];
    std::snprintf(text, sizeof text, "%d %s %02X", ms, what, note);
    return text;
}

struct RoadCase {
    const char* name;
    int pattern;
    int noteCount;
    bool continuous;
    const char* modeCaption;
    vcl::TLabel* TFormMain::*countLabel;
    vcl::TLabel* TFormMain::*percentLabel;
};

void PrintTo(const RoadCase& c, std::ostream* out) {
    *out << c.name;
}

class RoadOfOneQuestion : public TrainingTest, public ::testing::WithParamInterface<RoadCase> {};

// Start, the question 800 ms later, each note for NoteLength, the answer phase with the names
// listed, a right answer, and the next question 800 ms later only with continuous questions.
TEST_P(RoadOfOneQuestion, FromStartToTheNextQuestion) {
    const RoadCase& c = GetParam();
    std::srand(11);
    UsePattern(c.pattern);
    FormMain->NoteCount = c.noteCount;
    FormMain->CheckBoxSeq->Checked = c.continuous;

    Click(FormMain->ButtonStart);
    Advance(799);
    EXPECT_THAT(Timeline(), ElementsAre("0 open"));
    EXPECT_EQ(FormMain->Mode, "");
    Advance(1);

    EXPECT_EQ(FormMain->Phase, "question");
    EXPECT_EQ(FormMain->LabelMode->Caption(), c.modeCaption);
    EXPECT_EQ(FormMain->LabelMode->Color(), vcl::clFuchsia);
    EXPECT_TRUE(FormMain->LabelQuestion->Visible());
    EXPECT_TRUE(FormMain->ButtonRef->Visible());
    EXPECT_FALSE(FormMain->RadioGroupPattern->Enabled());
    EXPECT_FALSE(FormMain->CheckBoxSeq->Enabled());
    EXPECT_FALSE(FormMain->CheckBoxNoAnswer->Enabled());
    EXPECT_FALSE(FormMain->MenuSetting->Enabled());
    EXPECT_TRUE(FormMain->ButtonStop->Enabled());
    EXPECT_TRUE(FormMain->ButtonRepeat->Enabled());
    EXPECT_EQ(FormMain->ButtonStart->Enabled(), !c.continuous);

    const int length = 3000;  // enough for the longest question here
    Advance(length);
    std::vector<int> notes = QuestionNotes();
    std::vector<std::string> expected{"0 open"};
    if (c.pattern == 0) expected.push_back(At(800, "off", 0));
    if (c.pattern == 2) {
        for (int note : notes) expected.push_back(At(800, "on", note));
        for (int note : notes) expected.push_back(At(1800, "off", note));
    } else {
        for (size_t i = 0; i < notes.size(); ++i) {
            expected.push_back(At(800 + 1000 * static_cast<int>(i), "on", notes[i]));
            expected.push_back(At(1800 + 1000 * static_cast<int>(i), "off", notes[i]));
        }
        // The next note of a sequence sounds in the tick that ends the one before.
    }
    EXPECT_THAT(Timeline(), ElementsAreArray(expected));

    EXPECT_EQ(FormMain->Phase, "answer");
    EXPECT_TRUE(FormMain->LabelAnswer->Visible());
    EXPECT_FALSE(FormMain->LabelQuestion->Visible());
    std::vector<std::string> names;
    for (int note : notes) names.push_back(FormMain->NoteMemo->Lines->Get(note - 12));
    EXPECT_THAT(MemoLines(FormMain->MemoNoted), ElementsAreArray(names));

    recorder->Clear();
    AnswerRight();
    EXPECT_TRUE(FormMain->LabelOk->Visible());
    EXPECT_FALSE(FormMain->LabelAnswer->Visible());
    EXPECT_EQ(FormMain->Phase, "");
    EXPECT_EQ((FormMain->*c.countLabel)->Caption(), "1");
    EXPECT_EQ((FormMain->*c.percentLabel)->Caption(), "100");
    EXPECT_EQ(FormMain->LabelTotal->Caption(), "1");
    EXPECT_EQ(FormMain->LabelTotalPar->Caption(), "100");
    EXPECT_THAT(Timeline(), IsEmpty()) << "answer presses make no sound";

    const int answeredAt = 800 + length;
    Advance(799);
    EXPECT_THAT(Timeline(), IsEmpty());
    Advance(1);
    if (c.continuous) {
        EXPECT_EQ(FormMain->Phase, "question");
        ASSERT_FALSE(Timeline().empty());
        EXPECT_EQ(recorder->Entries().front().time, answeredAt + 800);
    } else {
        Advance(5000);
        EXPECT_THAT(Timeline(), IsEmpty());
        EXPECT_EQ(FormMain->Phase, "");
        EXPECT_TRUE(FormMain->ButtonStart->Enabled());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, RoadOfOneQuestion,
    ::testing::Values(RoadCase{"Single", 0, 1, false, "単音モード", &TFormMain::LabelSingle,
                               &TFormMain::LabelSinglePar},
                      RoadCase{"SingleContinuous", 0, 1, true, "単音モード",
                               &TFormMain::LabelSingle, &TFormMain::LabelSinglePar},
                      RoadCase{"Sequence", 1, 3, false, "連続音モード", &TFormMain::LabelSeq,
                               &TFormMain::LabelSeqPar},
                      RoadCase{"SequenceContinuous", 1, 3, true, "連続音モード",
                               &TFormMain::LabelSeq, &TFormMain::LabelSeqPar},
                      RoadCase{"Chord", 2, 1, false, "同時音モード", &TFormMain::LabelSame,
                               &TFormMain::LabelSamePar},
                      RoadCase{"ChordContinuous", 2, 1, true, "同時音モード", &TFormMain::LabelSame,
                               &TFormMain::LabelSamePar}),
    [](const auto& info) { return std::string(info.param.name); });

class RunTest : public TrainingTest {
  protected:
    // Start, and the question sounded to its end: the answer is awaited.
    void StartAndListen(int pattern, int noteCount = 1) {
        UsePattern(pattern);
        FormMain->NoteCount = noteCount;
        Click(FormMain->ButtonStart);
        Advance(800 + 1000 * (pattern == 1 ? noteCount : 1));
        ASSERT_EQ(FormMain->Phase, "answer");
        recorder->Clear();
    }
};

TEST_F(RunTest, WrongPressShowsNgCountsAndReplaysOnce800MsLater) {
    UseRange(60, 60);
    StartAndListen(0);

    PressKey(50);
    EXPECT_TRUE(FormMain->LabelNg->Visible());
    EXPECT_FALSE(FormMain->LabelOk->Visible());
    EXPECT_EQ(FormMain->SingleNg, 1);
    EXPECT_EQ(FormMain->LabelSingle->Caption(), "1");
    EXPECT_EQ(FormMain->LabelSinglePar->Caption(), "0");
    Advance(500);
    PressKey(51);  // within the 800 ms: does not postpone the replay
    EXPECT_EQ(FormMain->SingleNg, 2);
    Advance(300);
    EXPECT_THAT(Timeline(), ElementsAre("2600 on 3C"));
    EXPECT_TRUE(FormMain->LabelQuestion->Visible());
    EXPECT_FALSE(FormMain->LabelNg->Visible());
    Advance(1000);
    EXPECT_THAT(Timeline(), ElementsAre("2600 on 3C", "3600 off 3C"));
    EXPECT_EQ(FormMain->Phase, "answer");

    PressKey(48);
    EXPECT_EQ(FormMain->LabelSingle->Caption(), "3");
    EXPECT_EQ(FormMain->LabelSinglePar->Caption(), "33");
}

TEST_F(RunTest, SequenceDrawsNumberedBoxesAndTheLastRightNoteShowsOk) {
    StartAndListen(1, 3);
    std::vector<int> notes = QuestionNotes();

    PressKey(notes[0] - 12);
    PressKey(notes[1] - 12);
    const auto& texts = backend->TextsDrawn();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Text, "1");
    EXPECT_EQ(texts[0].X, 468);
    EXPECT_EQ(texts[1].Text, "2");
    EXPECT_EQ(texts[1].X, 483);
    vcl::TColor color;
    ASSERT_TRUE(FormMain->Canvas()->PixelAt(466, 240, color));
    EXPECT_EQ(color, vcl::clAqua);
    ASSERT_TRUE(FormMain->Canvas()->PixelAt(465, 238, color));
    EXPECT_EQ(color, vcl::clBlack);
    EXPECT_FALSE(FormMain->LabelOk->Visible());

    PressKey(notes[2] - 12);
    EXPECT_EQ(backend->TextsDrawn().size(), 2u) << "no box 3";
    EXPECT_TRUE(FormMain->LabelOk->Visible());
    EXPECT_EQ(FormMain->SeqOk, 1);
}

TEST_F(RunTest, SequenceWrongSecondNoteStartsTheAnswerAgainFromTheFirst) {
    StartAndListen(1, 3);
    std::vector<int> notes = QuestionNotes();
    PressKey(notes[0] - 12);
    PressKey(WrongKey());
    EXPECT_EQ(FormMain->NotePos, 0);
    EXPECT_EQ(FormMain->SeqNg, 1);
    Advance(800);  // the replay erases the boxes
    vcl::TColor color;
    ASSERT_TRUE(FormMain->Canvas()->PixelAt(466, 240, color));
    EXPECT_EQ(color, vcl::clNavy);
}

TEST_F(RunTest, ChordIsAnsweredInAnyOrderAndANoteTwiceIsWrong) {
    UseRange(48, 48);
    std::srand(3);
    StartAndListen(2);
    std::vector<int> notes = QuestionNotes();
    ASSERT_GE(notes.size(), 3u);

    PressKey(notes.back() - 12);
    PressKey(notes.back() - 12);
    EXPECT_EQ(FormMain->SameNg, 1);
    EXPECT_EQ(FormMain->NotePos, 0);
    Advance(800 + 1000);  // replayed, then the list is filled again
    for (auto it = notes.rbegin(); it != notes.rend(); ++it) PressKey(*it - 12);
    EXPECT_TRUE(FormMain->LabelOk->Visible());
    EXPECT_EQ(FormMain->SameOk, 1);
    EXPECT_EQ(FormMain->LabelSamePar->Caption(), "50");
}

TEST_F(RunTest, StartTwiceWithin800MsStartsThe800MsAfterTheFirst) {
    UseRange(60, 60);
    Click(FormMain->ButtonStart);
    Advance(500);
    Click(FormMain->ButtonStart);
    Advance(300);
    EXPECT_THAT(Timeline(), ElementsAre("0 open", "500 open", "800 off 00", "800 on 3C"));
    EXPECT_EQ(device->opens, 2);
}

TEST_F(RunTest, RepeatWhileASingleNoteSoundsEndsItAndSoundsItAFullNoteLength) {
    UseRange(60, 60);
    Click(FormMain->ButtonStart);
    Advance(1300);
    recorder->Clear();
    Click(FormMain->ButtonRepeat);
    Advance(1000);
    EXPECT_THAT(Timeline(), ElementsAre("1300 off 3C", "1300 on 3C", "2300 off 3C"));
}

TEST_F(RunTest, ReferencePressesSoundAndTheLastOneClosesTheOutput) {
    PressKey(48);
    EXPECT_THAT(Timeline(true), ElementsAre("0 open", "0 off 0C", "0 pc 00", "0 on 3C"));
    Advance(300);
    PressKey(50);
    Advance(999);
    EXPECT_THAT(Timeline(), ElementsAre("0 open", "0 off 0C", "0 on 3C", "300 open", "300 off 3C",
                                        "300 on 3E"));
    Advance(1);
    EXPECT_THAT(Timeline(), ElementsAre("0 open", "0 off 0C", "0 on 3C", "300 open", "300 off 3C",
                                        "300 on 3E", "1300 off 3E", "1300 close"));
    EXPECT_FALSE(device->open);
}

TEST_F(RunTest, ReferenceNotesWithNoteLengthZeroSoundUntilTheNextPress) {
    FormMain->NoteLength = 0;
    PressKey(48);
    Advance(5000);
    PressKey(50);
    EXPECT_THAT(Timeline(), ElementsAre("0 open", "0 off 0C", "0 on 3C", "5000 open", "5000 off 3C",
                                        "5000 on 3E"));
    EXPECT_TRUE(device->open);
}

TEST_F(RunTest, PressesBetweenQuestionsMakeNoSoundAndCountNothing) {
    UseRange(60, 60);
    StartAndListen(0);
    PressKey(48);
    PressKey(48);
    PressKey(50);
    EXPECT_EQ(FormMain->SingleOk, 1);
    EXPECT_EQ(FormMain->SingleNg, 0);
    EXPECT_THAT(Timeline(), IsEmpty());
}

TEST_F(RunTest, PressWhileTheQuestionSoundsOnlyColoursTheKey) {
    UseRange(60, 60);
    Click(FormMain->ButtonStart);
    Advance(900);
    PressKeyWith(48, vcl::mbLeft);
    EXPECT_EQ(PanelOf(48)->Color(), vcl::clBlack);
    EXPECT_EQ(FormMain->SingleOk + FormMain->SingleNg, 0);
}

TEST_F(RunTest, StopReturnsToReferenceModeAndKeepsTheScore) {
    UseRange(60, 60);
    StartAndListen(0);
    PressKey(48);
    Click(FormMain->ButtonStop);
    EXPECT_EQ(FormMain->Mode, "");
    EXPECT_EQ(FormMain->LabelMode->Caption(), "参照モード");
    EXPECT_EQ(FormMain->LabelMode->Color(), vcl::clLime);
    EXPECT_TRUE(FormMain->RadioGroupPattern->Enabled());
    EXPECT_TRUE(FormMain->MenuSetting->Enabled());
    EXPECT_FALSE(FormMain->ButtonRef->Visible());
    EXPECT_FALSE(FormMain->ButtonStop->Enabled());
    EXPECT_THAT(MemoLines(FormMain->MemoNoted), ElementsAre("c4"));
    EXPECT_EQ(FormMain->LabelSingle->Caption(), "1");
    EXPECT_THAT(Timeline(), ElementsAre("1800 close"));
}

TEST_F(RunTest, AChordLeavesItsNoteCountForTheNextSequence) {
    StartAndListen(2);
    const int chordSize = FormMain->NoteCount;
    Click(FormMain->ButtonStop);
    UsePattern(1);
    Click(FormMain->ButtonStart);
    Advance(800 + 1000 * chordSize);
    EXPECT_EQ(FormMain->Phase, "answer");
    EXPECT_EQ(static_cast<int>(MemoLines(FormMain->MemoNoted).size()), chordSize);
}

TEST_F(RunTest, ChordWithNoAnswerShownCanStillBeAnswered) {
    FormMain->CheckBoxNoAnswer->Checked = true;
    StartAndListen(2);
    EXPECT_THAT(MemoLines(FormMain->MemoNoted), IsEmpty());
    AnswerRight();
    EXPECT_EQ(FormMain->SameOk, 1);
}

}  // namespace
