#include <climits>

#include "TrainingFixture.h"

namespace {

using ScoreTest = TrainingTest;

TEST_F(ScoreTest, UpdateScoreWritesCountsAndWholePercentages) {
    struct Case {
        const char* what;
        std::int32_t singleOk, singleNg, seqOk, seqNg, sameOk, sameNg;
        const char *single, *singlePar, *seq, *seqPar, *same, *samePar, *total, *totalPar;
    };
    for (Case c : {
             Case{"one right", 1, 0, 0, 0, 0, 0, "1", "100", "0", "0", "0", "0", "1", "100"},
             Case{"wrong then right", 1, 1, 0, 0, 0, 0, "2", "50", "0", "0", "0", "0", "2", "50"},
             Case{"two of three", 2, 1, 0, 0, 0, 0, "3", "66", "0", "0", "0", "0", "3", "66"},
             Case{"all over the answers, not a mean of columns", 1, 0, 0, 3, 0, 0, "1", "100", "3",
                  "0", "0", "0", "4", "25"},
             Case{"chord column", 0, 0, 0, 0, 1, 2, "0", "0", "0", "0", "3", "33", "3", "33"},
             Case{"no overflow", INT32_MAX, 0, 0, 0, INT32_MAX, INT32_MAX, "2147483647", "100", "0",
                  "0", "4294967294", "50", "6442450941", "66"},
         }) {
        SCOPED_TRACE(c.what);
        Restart();
        FormMain->SingleOk = c.singleOk;
        FormMain->SingleNg = c.singleNg;
        FormMain->SeqOk = c.seqOk;
        FormMain->SeqNg = c.seqNg;
        FormMain->SameOk = c.sameOk;
        FormMain->SameNg = c.sameNg;
        FormMain->UpdateScore();
        EXPECT_EQ(FormMain->LabelSingle->Caption(), c.single);
        EXPECT_EQ(FormMain->LabelSinglePar->Caption(), c.singlePar);
        EXPECT_EQ(FormMain->LabelSeq->Caption(), c.seq);
        EXPECT_EQ(FormMain->LabelSeqPar->Caption(), c.seqPar);
        EXPECT_EQ(FormMain->LabelSame->Caption(), c.same);
        EXPECT_EQ(FormMain->LabelSamePar->Caption(), c.samePar);
        EXPECT_EQ(FormMain->LabelTotal->Caption(), c.total);
        EXPECT_EQ(FormMain->LabelTotalPar->Caption(), c.totalPar);
    }
}

}  // namespace
