#include <optional>
#include <string>

#include "HeadlessFixture.h"

namespace {

using vcl::TColor;

class Canvas : public HeadlessFixture {
  protected:
    vcl::TForm* form = NewForm(600, 300);
    vcl::TCanvas* canvas = form->Canvas();

    std::optional<TColor> At(int x, int y) const {
        TColor c;
        if (!canvas->PixelAt(x, y, c)) return std::nullopt;
        return c;
    }

    void ProgressBox(int n) {
        canvas->Pen->Color = vcl::clBlack;
        canvas->Brush->Style = vcl::bsSolid;
        canvas->Brush->Color = vcl::clAqua;
        canvas->Rectangle(450 + 15 * n, 238, 460 + 15 * n, 263);
    }
};

struct Pixel {
    int x, y;
    std::optional<TColor> expected;
};

TEST_F(Canvas, RectangleHasAOnePixelPenOutlineAndABrushInsideRightAndBottomExclusive) {
    ProgressBox(1);
    const Pixel pixels[] = {
        {465, 238, vcl::clBlack}, {474, 238, vcl::clBlack}, {465, 262, vcl::clBlack},
        {474, 262, vcl::clBlack}, {465, 250, vcl::clBlack}, {474, 250, vcl::clBlack},
        {466, 239, vcl::clAqua},  {473, 261, vcl::clAqua},  {470, 250, vcl::clAqua},
        {475, 250, std::nullopt}, {470, 263, std::nullopt}, {464, 250, std::nullopt},
        {470, 237, std::nullopt},
    };
    for (const Pixel& p : pixels) {
        EXPECT_EQ(At(p.x, p.y), p.expected) << p.x << "," << p.y;
    }
}

TEST_F(Canvas, ErasingTheProgressAreaCoversEveryBox) {
    ProgressBox(1);
    ProgressBox(2);
    canvas->Pen->Color = vcl::clNavy;
    canvas->Brush->Color = vcl::clNavy;
    canvas->Rectangle(450, 238, 595, 263);
    for (int y = 238; y < 263; ++y) {
        for (int x = 450; x < 595; ++x) ASSERT_EQ(At(x, y), vcl::clNavy) << x << "," << y;
    }
    EXPECT_EQ(At(595, 250), std::nullopt);
    EXPECT_EQ(At(450, 263), std::nullopt);
}

TEST_F(Canvas, AClearBrushLeavesTheInsideAndDrawingIsClippedToTheImage) {
    canvas->Brush->Style = vcl::bsClear;
    canvas->Pen->Color = vcl::clRed;
    canvas->Rectangle(-5, 290, 4, 310);
    EXPECT_EQ(At(3, 295), vcl::clRed);
    EXPECT_EQ(At(0, 295), std::nullopt);
    EXPECT_EQ(At(1, 299), std::nullopt);
}

TEST_F(Canvas, TextFillsItsCellWithTheBrushInTheFormsFont) {
    form->Font->Height = 12;
    EXPECT_EQ(canvas->Font->Height(), 12);
    ProgressBox(1);
    canvas->TextOut(468, 246, "1");
    ASSERT_EQ(backend_.TextsDrawn().size(), 1u);
    EXPECT_EQ(backend_.TextsDrawn()[0].Text, "1");
    EXPECT_EQ(At(473, 257), vcl::clAqua);
    EXPECT_EQ(At(474, 257), vcl::clBlack);

    canvas->Brush->Color = vcl::clYellow;
    canvas->TextOut(10, 10, "あa");
    EXPECT_EQ(At(27, 21), vcl::clYellow);
    EXPECT_EQ(At(28, 21), std::nullopt);
}

TEST_F(Canvas, DrawingsSurviveAResizeOfTheForm) {
    ProgressBox(1);
    form->UserResized(500, 250);
    form->UserResized(800, 600);
    EXPECT_EQ(At(465, 238), vcl::clBlack);
    EXPECT_EQ(canvas->Picture().Width, 800);
    EXPECT_EQ(At(700, 500), std::nullopt);
}

}  // namespace
