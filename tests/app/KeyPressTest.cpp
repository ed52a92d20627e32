#include "TrainingFixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using KeyPressTest = TrainingTest;

TEST_F(KeyPressTest, ALeftPressHoldsTheKeyAndPlaysItAnyReleaseRestsIt) {
    struct Case {
        int keyIndex;
        vcl::TColor rest;
        vcl::TColor held;
        const char* noteOn;
    };
    for (Case c : {Case{24, vcl::clWhite, vcl::clBlack, "0 on 24"},
                   Case{70, vcl::clBlack, vcl::clWhite, "0 on 52"}}) {
        SCOPED_TRACE(c.keyIndex);
        Restart();
        PressKeyWith(c.keyIndex, vcl::mbLeft);
        EXPECT_EQ(PanelOf(c.keyIndex)->Color(), c.held);
        EXPECT_THAT(Timeline(), ElementsAre("0 open", "0 off 0C", c.noteOn));
        EXPECT_EQ(FormMain->RefNote, c.keyIndex);
        ReleaseKey(c.keyIndex, vcl::mbRight);  // a release of any button
        EXPECT_EQ(PanelOf(c.keyIndex)->Color(), c.rest);
    }
}

TEST_F(KeyPressTest, RightAndMiddlePressesDoNothing) {
    for (vcl::TMouseButton button : {vcl::mbRight, vcl::mbMiddle}) {
        PressKeyWith(48, button);
        EXPECT_EQ(PanelOf(48)->Color(), vcl::clWhite);
        ReleaseKey(48, button);
    }
    EXPECT_THAT(Timeline(), IsEmpty());
}

TEST_F(KeyPressTest, ADoubleClickIsTwoPresses) {
    PressKey(48);
    PressKey(48);
    EXPECT_THAT(Timeline(),
                ElementsAre("0 open", "0 off 0C", "0 on 3C", "0 open", "0 off 3C", "0 on 3C"));
}

}  // namespace
