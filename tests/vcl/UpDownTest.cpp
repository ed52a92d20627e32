#include <string>

#include "HeadlessFixture.h"

namespace {

using vcl::btNext;
using vcl::btPrev;
using vcl::TUDBtnType;

struct StepCase {
    std::string name;
    int min, max, increment;
    bool wrap;
    int start;
    TUDBtnType button;
    int expected;
};

class UpDownStep : public HeadlessFixture, public ::testing::WithParamInterface<StepCase> {};

TEST_P(UpDownStep, MovesWithinItsRangeAndReportsOnlyAChange) {
    const StepCase& c = GetParam();
    vcl::TForm* form = NewForm();
    auto* edit = Put<vcl::TEdit>(form);
    auto* upDown = Put<vcl::TUpDown>(form);
    upDown->Thousands = false;
    upDown->Min = c.min;
    upDown->Max = c.max;
    upDown->Increment = c.increment;
    upDown->Wrap = c.wrap;
    upDown->Position = c.start;
    upDown->SetAssociate(edit);
    int clicks = 0;
    upDown->OnClick = [&](vcl::TObject* sender, TUDBtnType button) {
        EXPECT_EQ(sender, upDown);
        EXPECT_EQ(button, c.button);
        EXPECT_EQ(upDown->Position(), c.expected);
        ++clicks;
    };
    upDown->UserStep(c.button);
    EXPECT_EQ(upDown->Position(), c.expected);
    EXPECT_EQ(edit->Text(), std::to_string(c.expected));
    EXPECT_EQ(clicks, c.expected != c.start ? 1 : 0);
}

const StepCase stepCases[] = {
    {"UpByIncrement", 0, 10000, 500, false, 1000, btNext, 1500},
    {"DownByIncrement", 0, 10000, 500, false, 1000, btPrev, 500},
    {"DownToZero", 0, 10000, 500, false, 500, btPrev, 0},
    {"StopsAtMax", 0, 127, 1, false, 127, btNext, 127},
    {"StopsAtMin", 1, 10, 1, false, 1, btPrev, 1},
    {"ClampsAPartialStepToMax", 0, 10000, 500, false, 9800, btNext, 10000},
    {"WrapsPastMaxToMin", 0, 115, 1, true, 115, btNext, 0},
    {"WrapsPastMinToMax", 0, 115, 1, true, 0, btPrev, 115},
};

INSTANTIATE_TEST_SUITE_P(Headless, UpDownStep, ::testing::ValuesIn(stepCases),
                         [](const auto& info) { return info.param.name; });

class UpDown : public HeadlessFixture {
  protected:
    vcl::TForm* form = NewForm();
    vcl::TEdit* edit = Put<vcl::TEdit>(form);
    vcl::TUpDown* upDown = Put<vcl::TUpDown>(form);
};

TEST_F(UpDown, PositionFromCodeClampsWritesTheEditAndRunsNoHandler) {
    int clicks = 0;
    upDown->OnClick = [&](vcl::TObject*, TUDBtnType) { ++clicks; };
    upDown->Max = 10000;
    upDown->SetAssociate(edit);
    EXPECT_EQ(edit->Text(), "0");
    EXPECT_EQ(edit->AssociatedUpDown, upDown);
    upDown->Position = 1500;
    EXPECT_EQ(edit->Text(), "1,500");
    upDown->Thousands = false;
    upDown->Position = 20000;
    EXPECT_EQ(upDown->Position(), 10000);
    EXPECT_EQ(edit->Text(), "10000");
    upDown->Position = -3;
    EXPECT_EQ(upDown->Position(), 0);
    EXPECT_EQ(clicks, 0);
}

TEST_F(UpDown, ArrowKeysInTheEditStepIt) {
    upDown->Thousands = false;
    upDown->Max = 127;
    upDown->Position = 127;
    upDown->SetAssociate(edit);
    int clicks = 0;
    upDown->OnClick = [&](vcl::TObject*, TUDBtnType) { ++clicks; };
    edit->UserArrowKey(false);
    edit->UserArrowKey(false);
    edit->UserArrowKey(true);
    EXPECT_EQ(upDown->Position(), 126);
    EXPECT_EQ(edit->Text(), "126");
    EXPECT_EQ(clicks, 3);
}

TEST_F(UpDown, EitherMayBeDestroyedFirst) {
    upDown->SetAssociate(edit);
    {
        auto editFirst = std::make_unique<vcl::TEdit>(form);
        upDown->SetAssociate(editFirst.get());
        EXPECT_EQ(edit->AssociatedUpDown, nullptr);
    }
    EXPECT_EQ(upDown->Associate(), nullptr);
    upDown->Position = 5;
    auto* other = Put<vcl::TEdit>(form);
    {
        auto upDownFirst = std::make_unique<vcl::TUpDown>(form);
        upDownFirst->SetAssociate(other);
    }
    EXPECT_EQ(other->AssociatedUpDown, nullptr);
    other->UserArrowKey(true);
}

}  // namespace
