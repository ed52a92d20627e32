// What is drawn on a form's canvas stays on screen, and text lands in the canvas image.
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "TextDrawing.h"

namespace vcl::qt::test {
namespace {

TEST(Canvas, DrawingsSurviveRepaintsAndHiding) {
    auto form = MakeForm(200, 100);
    form->Color = clNavy;
    ShowAndWait(*form);
    TCanvas& canvas = *form->Canvas();
    canvas.Pen->Color = clWhite;
    canvas.Brush->Color = clRed;
    canvas.Rectangle(50, 20, 70, 40);
    QCoreApplication::processEvents();

    auto expectDrawing = [&](const char* when) {
        const QImage shown = GrabClient(*form);
        EXPECT_EQ(shown.pixelColor(50, 20), QColor(255, 255, 255)) << when;
        EXPECT_EQ(shown.pixelColor(60, 30), QColor(255, 0, 0)) << when;
        EXPECT_EQ(shown.pixelColor(70, 40), QColor(0, 0, 128)) << when;
    };
    expectDrawing("first paint");
    ClientOf(*form).repaint();
    expectDrawing("repainted");
    form->Visible = false;
    QCoreApplication::processEvents();
    form->Visible = true;
    QCoreApplication::processEvents();
    expectDrawing("shown again");
}

TEST(Canvas, TextFillsItsCellUnlessTheBrushIsClear) {
    TFont font;
    font.Name = "ＭＳ ゴシック";
    font.Height = 12;
    font.Color = clBlack;
    TBrush brush;
    brush.Color = clYellow;

    Image image;
    image.Resize(100, 40);
    const TRect cell = DrawTextOnImage(image, 10, 5, "1 c4", font, brush);
    EXPECT_EQ(cell.Left, 10);
    EXPECT_EQ(cell.Top, 5);
    EXPECT_GT(cell.Right - cell.Left, 12);
    EXPECT_GE(cell.Bottom - cell.Top, 12);
    int inked = 0;
    for (int y = cell.Top; y < cell.Bottom; ++y) {
        for (int x = cell.Left; x < cell.Right; ++x) {
            const std::uint32_t pixel = image.At(x, y);
            EXPECT_TRUE(pixel == 0xFFFFFF00u || pixel == 0xFF000000u) << x << "," << y;
            inked += pixel == 0xFF000000u;
        }
    }
    EXPECT_GT(inked, 10);
    EXPECT_EQ(image.At(cell.Right, cell.Top), 0u);

    Image clear;
    clear.Resize(100, 40);
    brush.Style = bsClear;
    DrawTextOnImage(clear, 10, 5, "1 c4", font, brush);
    EXPECT_EQ(clear.At(cell.Left, cell.Top), 0u);
    EXPECT_EQ(clear.At(cell.Right - 1, cell.Bottom - 1), 0u);
}

}  // namespace
}  // namespace vcl::qt::test
