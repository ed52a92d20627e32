#include "HeadlessFixture.h"

namespace {

using Layout = HeadlessFixture;

struct Bounds {
    int left, top, width, height;
    bool operator==(const Bounds&) const = default;
};

Bounds BoundsOf(const vcl::TControl& c) {
    return {c.Left, c.Top, c.Width, c.Height};
}

TEST_F(Layout, ABottomPanelKeepsTheFullWidthAndTheBottomEdgeWhenTheFormIsResized) {
    vcl::TForm* form = NewForm(772, 504);
    auto* status = Put<vcl::TPanel>(form);
    auto* label = Put<vcl::TLabel>(status);
    auto* other = Put<vcl::TPanel>(form);
    label->SetBounds(10, 10, 30, 15);
    other->SetBounds(15, 340, 366, 116);
    status->SetBounds(0, 0, 100, 36);
    status->Align = vcl::alBottom;
    EXPECT_EQ(BoundsOf(*status), (Bounds{0, 468, 772, 36}));

    form->UserResized(900, 600);
    EXPECT_EQ(BoundsOf(*status), (Bounds{0, 564, 900, 36}));
    EXPECT_EQ(BoundsOf(*label), (Bounds{10, 10, 30, 15}));
    EXPECT_EQ(BoundsOf(*other), (Bounds{15, 340, 366, 116}));
}

TEST_F(Layout, TopThenBottomThenClientFillsTheRest) {
    vcl::TForm* form = NewForm(200, 100);
    auto* client = Put<vcl::TPanel>(form);
    auto* bottom = Put<vcl::TPanel>(form);
    auto* top = Put<vcl::TPanel>(form);
    top->Height = 10;
    bottom->Height = 20;
    client->Align = vcl::alClient;
    bottom->Align = vcl::alBottom;
    top->Align = vcl::alTop;
    EXPECT_EQ(BoundsOf(*top), (Bounds{0, 0, 200, 10}));
    EXPECT_EQ(BoundsOf(*bottom), (Bounds{0, 80, 200, 20}));
    EXPECT_EQ(BoundsOf(*client), (Bounds{0, 10, 200, 70}));
}

}  // namespace
