#include <algorithm>
#include <cstdlib>
#include <set>

#include "TrainingFixture.h"

namespace {

using QuestionGenerationTest = TrainingTest;

TEST_F(QuestionGenerationTest, RandomNoteDrawsTheWholeRangeBothBoundsIncluded) {
    std::srand(1);
    for (auto [low, high] : {std::pair{48, 72}, std::pair{12, 12}, std::pair{127, 127},
                             std::pair{12, 127}, std::pair{60, 61}}) {
        SCOPED_TRACE(testing::Message() << low << ".." << high);
        UseRange(low, high);
        std::set<int> drawn;
        for (int i = 0; i < 5000; ++i) drawn.insert(FormMain->RandomNote());
        EXPECT_EQ(*drawn.begin(), low);
        EXPECT_EQ(*drawn.rbegin(), high);
        EXPECT_EQ(static_cast<int>(drawn.size()), high - low + 1);
    }
}

TEST_F(QuestionGenerationTest, FoldToWhiteKey) {
    struct Case {
        int keyType;
        int note;
        int low;
        int high;
        int folded;
    };
    for (Case c : {
             Case{1, 61, 48, 72, 62},  // C# up to D
             Case{1, 63, 48, 72, 64},  // D# up to E
             Case{1, 66, 48, 72, 65},  // F# down to F
             Case{1, 68, 48, 72, 69},  // G# up to A
             Case{1, 70, 48, 72, 71},  // A# up to B
             Case{1, 60, 48, 72, 60},  // white keys stay
             Case{1, 64, 48, 72, 64},
             Case{1, 54, 54, 60, 55},  // F# at the bottom of the range goes up to G
             Case{1, 61, 48, 61, 60},  // a black key at the top goes down
             Case{1, 61, 61, 61, 62},  // no white key in the range: the usual way
             Case{1, 126, 12, 127, 125},
             Case{0, 61, 48, 72, 61},  // white and black keys: nothing folds
         }) {
        SCOPED_TRACE(testing::Message() << "note " << c.note << " in " << c.low << ".." << c.high);
        FormMain->KeyType = c.keyType;
        UseRange(c.low, c.high);
        FormMain->Notes[3] = static_cast<std::uint8_t>(c.note);
        FormMain->FoldToWhiteKey(3);
        EXPECT_EQ(FormMain->Notes[3], c.folded);
        FormMain->FoldToWhiteKey(3);
        EXPECT_EQ(FormMain->Notes[3], c.folded) << "folding twice is folding once";
    }
}

bool IsWhite(int note) {
    const int pitchClass = note % 12;
    return pitchClass != 1 && pitchClass != 3 && pitchClass != 6 && pitchClass != 8 &&
           pitchClass != 10;
}

TEST_F(QuestionGenerationTest, AFoldedNoteStaysInEveryRangeThatHoldsAWhiteKey) {
    FormMain->KeyType = 1;
    for (int low = 12; low <= 127; ++low) {
        for (int high = low; high <= std::min(127, low + 13); ++high) {
            bool rangeHasWhite = false;
            for (int n = low; n <= high; ++n) rangeHasWhite = rangeHasWhite || IsWhite(n);
            UseRange(low, high);
            for (int note = low; note <= high; ++note) {
                FormMain->Notes[0] = static_cast<std::uint8_t>(note);
                FormMain->FoldToWhiteKey(0);
                const int folded = FormMain->Notes[0];
                ASSERT_TRUE(IsWhite(folded)) << note;
                if (rangeHasWhite) {
                    ASSERT_TRUE(folded >= low && folded <= high)
                        << note << " in " << low << ".." << high << " folded to " << folded;
                }
            }
        }
    }
}

// Semitones above the root of the thirteen chord types.
const std::set<std::vector<int>> kChordShapes{
    {4, 7}, {3, 7}, {4, 7, 10}, {3, 7, 10}, {4, 7, 11}, {3, 6, 9}, {3, 6, 10},
    {4, 8}, {5, 7}, {5, 7, 10}, {4, 7, 9},  {2, 7},     {3, 7, 9},
};

std::vector<int> Shape(const std::vector<int>& notes) {
    std::vector<int> shape;
    for (size_t i = 1; i < notes.size(); ++i) shape.push_back(notes[i] - notes[0]);
    return shape;
}

TEST_F(QuestionGenerationTest, ChordsAreTheThirteenTypesRootFirstAndNeverPastMidi127) {
    UsePattern(2);
    FormMain->KeyType = 1;  // chords are never folded
    std::srand(2);
    for (auto [low, high] : {std::pair{48, 72}, std::pair{110, 127}, std::pair{117, 127},
                             std::pair{120, 127}, std::pair{127, 127}, std::pair{12, 12}}) {
        SCOPED_TRACE(testing::Message() << low << ".." << high);
        UseRange(low, high);
        std::set<std::vector<int>> shapes;
        for (int i = 0; i < 2000; ++i) {
            FormMain->StartQuestion();
            std::vector<int> notes = QuestionNotes();
            ASSERT_TRUE(notes.size() == 3 || notes.size() == 4);
            ASSERT_TRUE(kChordShapes.contains(Shape(notes)));
            ASSERT_LE(notes.back(), 127);
            if (low <= 120) {
                ASSERT_GE(notes[0], low);
                ASSERT_LE(notes[0], high);
            }
            shapes.insert(Shape(notes));
        }
        if (low <= 116) {
            EXPECT_EQ(shapes, kChordShapes);
        }
        FormMain->TimerNoteOff->Interval = 0;
        FormMain->TimerNoteOffTimer(nullptr);  // the answer list takes every name
        for (int i = 0; i < FormMain->NoteCount; ++i) {
            EXPECT_FALSE(FormMain->AnswerMemo->Lines->Get(i).empty());
        }
    }
}

TEST_F(QuestionGenerationTest, FirstSingleQuestionStopsNoteZeroAndShowsItsName) {
    UseRange(60, 60);
    FormMain->StartQuestion();
    EXPECT_THAT(Timeline(), testing::ElementsAre("0 off 00", "0 on 3C"));
    EXPECT_THAT(MemoLines(FormMain->MemoNoted), testing::ElementsAre("c4"));

    FormMain->CheckBoxNoAnswer->Checked = true;
    FormMain->StartQuestion();
    EXPECT_TRUE(MemoLines(FormMain->MemoNoted).empty());
}

}  // namespace
