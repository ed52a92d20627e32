// Two hours (VELUNKA_SOAK_MINUTES) of continuous questions of every pattern on the virtual clock:
// the counts are right and the program holds no more allocations at the end than after its first
// minutes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "../app/TrainingFixture.h"
#include "CountingAllocator.h"

namespace {

class LongSession : public TrainingTest {
  protected:
    // Continuous questions of one pattern for `minutes`, each answered when asked: every fifth
    // one first with a wrong key. Returns the questions answered right.
    int Practise(int pattern, int minutes) {
        UsePattern(pattern);
        FormMain->CheckBoxSeq->Checked = true;
        Click(FormMain->ButtonStart);
        const std::int64_t end = backend->Now() + minutes * 60'000LL;
        int right = 0;
        int asked = 0;
        while (backend->Now() < end) {
            Advance(100);
            if (FormMain->Phase != "answer") continue;
            if (++asked % 5 == 0) {
                PressKey(WrongKey());
                Advance(800 + 1000 * FormMain->NoteCount);
            }
            AnswerRight();
            ++right;
            recorder->Clear();
        }
        Advance(1000);  // a pending question starts, so that Stop ends the run
        Click(FormMain->ButtonStop);
        recorder->Clear();
        return right;
    }
};

int SoakMinutes() {
    const char* text = std::getenv("VELUNKA_SOAK_MINUTES");
    return text != nullptr && *text != '\0' ? std::atoi(text) : 120;
}

TEST_F(LongSession, TwoHoursOfPractiseKeepCountAndDoNotGrow) {
    // A first minute of each pattern makes whatever each needs once (list storage, the
    // backend's record of the progress boxes).
    FormMain->NoteCount = 4;
    int sequence = Practise(1, 1);
    int chord = Practise(2, 1);
    int single = Practise(0, 1);
    const long long afterFirstMinute = LiveAllocations();
    for (int block = 0; block < SoakMinutes() / 30; ++block) {
        single += Practise(0, 10);
        FormMain->NoteCount = 4;
        sequence += Practise(1, 10);
        chord += Practise(2, 10);
    }
    single += Practise(0, 1);  // the same state as after the first minutes
    const long long atEnd = LiveAllocations();

    EXPECT_EQ(FormMain->SingleOk, single);
    EXPECT_EQ(FormMain->SeqOk, sequence);
    EXPECT_EQ(FormMain->SameOk, chord);
    EXPECT_GT(single + sequence + chord, 1000);
    EXPECT_EQ(atEnd, afterFirstMinute);
    std::cout << "long session: " << backend->Now() / 60'000 << " virtual minutes, "
              << single + sequence + chord << " questions right, live allocations "
              << afterFirstMinute << " after the first minutes, " << atEnd << " at the end\n";
}

}  // namespace
