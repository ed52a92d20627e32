// The components' state shows in the widgets and in what they paint.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Convert.h"
#include "QtTestSupport.h"

namespace vcl::qt::test {
namespace {

QColor PixelAt(QWidget& widget, int x, int y) {
    return widget.grab().toImage().pixelColor(x, y);
}

TEST(Properties, FormWindowHasItsCaptionPlaceAndClientSize) {
    auto form = MakeForm(772, 504);
    form->Caption = "Velunka　V0.8";
    form->Color = clNavy;
    ShowAndWait(*form);

    EXPECT_EQ(WindowOf(*form).windowTitle().toStdString(), "Velunka　V0.8");
    EXPECT_EQ(WindowOf(*form).pos(), QPoint(40, 30));
    EXPECT_EQ(ClientOf(*form).size(), QSize(772, 504));
    EXPECT_EQ(PixelAt(ClientOf(*form), 700, 400), QColor(0, 0, 128));

    form->Left = 189;
    form->Top = 105;
    EXPECT_EQ(WindowOf(*form).pos(), QPoint(189, 105));
}

TEST(Properties, ResizingTheWindowResizesTheClientAndMovesOnlyTheBottomPanel) {
    auto form = MakeForm(300, 200);
    auto* status = Place<TPanel>(*form, *form, 0, 164, 300, 36);
    status->Align = alBottom;
    auto* key = Place<TPanel>(*form, *form, 105, 65, 21, 91);
    ShowAndWait(*form);

    WindowOf(*form).resize(400, 260);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->ClientWidth(), 400);
    EXPECT_EQ(form->ClientHeight(), 260);
    EXPECT_EQ(WidgetFor(*status).geometry(), QRect(0, 224, 400, 36));
    EXPECT_EQ(WidgetFor(*key).geometry(), QRect(105, 65, 21, 91));
}

TEST(Properties, LabelShowsCaptionColoursAndFont) {
    auto form = MakeForm(200, 100);
    auto* label = Place<TLabel>(*form, *form, 10, 20, 130, 19);
    label->Caption = "参照モード";
    label->Color = clLime;
    label->Font->Name = "ＭＳ ゴシック";
    label->Font->Height = 19;
    label->Font->Color = clNavy;
    label->Font->Style = {fsUnderline};
    ShowAndWait(*form);

    auto& widget = WidgetFor<QLabel>(*label);
    EXPECT_EQ(widget.text().toStdString(), "参照モード");
    EXPECT_EQ(widget.geometry(), QRect(10, 20, 130, 19));
    EXPECT_EQ(widget.palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(widget.palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(widget.font().pixelSize(), 19);
    EXPECT_TRUE(widget.font().underline());
    EXPECT_EQ(QFontInfo(widget.font()).family().toStdString(), "IPAGothic");
    EXPECT_EQ(PixelAt(widget, 125, 10), QColor(0, 255, 0));

    label->Caption = "単音";
    label->Visible = false;
    EXPECT_EQ(widget.text().toStdString(), "単音");
    EXPECT_FALSE(widget.isVisible());
}

// A caption longer than the designed width shows whole when the label sizes itself.
TEST(Properties, AutoSizedLabelWidensForALongerCaption) {
    auto form = MakeForm(300, 100);
    auto* grows = Place<TLabel>(*form, *form, 40, 10, 45, 15);
    auto* fixed = Place<TLabel>(*form, *form, 40, 40, 45, 15);
    auto* rightAligned = Place<TLabel>(*form, *form, 200, 70, 37, 15);
    fixed->AutoSize = false;
    rightAligned->Alignment = taRightJustify;
    for (TLabel* label : {grows, fixed, rightAligned}) {
        label->Font->Name = "ＭＳ ゴシック";
        label->Font->Height = 15;
        label->Caption = "ピアノ";
    }
    ShowAndWait(*form);
    EXPECT_EQ(WidgetFor(*grows).geometry(), QRect(40, 10, 45, 15)) << "the design fits the text";

    for (TLabel* label : {grows, fixed, rightAligned}) label->Caption = "スティールドラム";
    EXPECT_EQ(WidgetFor(*grows).geometry(), QRect(40, 10, 120, 15));
    EXPECT_EQ(WidgetFor(*fixed).geometry(), QRect(40, 40, 45, 15));
    EXPECT_EQ(WidgetFor(*rightAligned).geometry(), QRect(117, 70, 120, 15));
    EXPECT_EQ(grows->Width, 45) << "the component keeps its designed width";

    grows->Caption = "琴";
    EXPECT_EQ(WidgetFor(*grows).geometry(), QRect(40, 10, 45, 15));
}

TEST(Properties, DesignFacesResolveToOneJapaneseFaceForBothScripts) {
    const std::pair<const char*, const char*> cases[] = {
        {"ＭＳ ゴシック", "IPAGothic"},
        {"ＭＳ Ｐゴシック", "IPAPGothic"},
    };
    for (const auto& [design, expected] : cases) {
        TFont font;
        font.Name = design;
        font.Height = 12;
        EXPECT_EQ(QFontInfo(ToQFont(font)).family().toStdString(), expected) << design;
    }
}

TEST(Properties, ControlsFollowEnabledVisibleAndGeometry) {
    auto form = MakeForm(300, 100);
    auto* button = Place<TButton>(*form, *form, 10, 10, 75, 25);
    button->Caption = "スタート(&S)";
    ShowAndWait(*form);

    auto& widget = WidgetFor<QPushButton>(*button);
    EXPECT_EQ(widget.text().toStdString(), "スタート(&S)");
    EXPECT_TRUE(widget.isEnabled());
    button->Enabled = false;
    EXPECT_FALSE(widget.isEnabled());
    button->SetBounds(100, 50, 60, 20);
    EXPECT_EQ(widget.geometry(), QRect(100, 50, 60, 20));
    button->Visible = false;
    EXPECT_FALSE(widget.isVisible());
    button->Visible = true;
    EXPECT_TRUE(widget.isVisible());
}

// A black key: one-pixel frame, a raised bevel inside it, its colour within.
TEST(Properties, PanelPaintsBorderBevelAndColourAndRepaintsOnChange) {
    auto form = MakeForm(60, 60);
    auto* key = Place<TPanel>(*form, *form, 10, 0, 21, 51);
    key->Color = clBlack;
    key->BorderStyle = bsSingle;
    key->BevelOuter = bvNone;
    key->BevelInner = bvRaised;
    ShowAndWait(*form);

    QWidget& widget = WidgetFor(*key);
    const QImage before = widget.grab().toImage();
    EXPECT_NE(before.pixelColor(0, 0), QColor(0, 0, 0));        // frame
    EXPECT_EQ(before.pixelColor(1, 1), QColor(255, 255, 255));  // highlight
    EXPECT_EQ(before.pixelColor(10, 25), QColor(0, 0, 0));
    EXPECT_NE(before.pixelColor(19, 49), QColor(0, 0, 0));  // shadow

    key->Color = clWhite;
    EXPECT_EQ(PixelAt(widget, 10, 25), QColor(255, 255, 255));
}

TEST(Properties, DisabledMemoKeepsItsColour) {
    auto form = MakeForm(120, 200);
    auto* memo = Place<TMemo>(*form, *form, 10, 10, 66, 171);
    memo->Color = 13238013;  // pale yellow
    memo->Lines->Add("c4");
    memo->Enabled = false;
    ShowAndWait(*form);

    auto& widget = WidgetFor<QPlainTextEdit>(*memo);
    EXPECT_FALSE(widget.isEnabled());
    EXPECT_EQ(widget.toPlainText().toStdString(), "c4");
    EXPECT_EQ(PixelAt(widget, 40, 150), QColor(253, 254, 201));
}

// The caption stands on the frame's top line, which runs through the caption's middle row.
TEST(Properties, GroupBoxCaptionInterruptsTheTopLineOfItsFrame) {
    auto form = MakeForm(200, 100);
    form->Color = clNavy;
    auto* box = Place<TGroupBox>(*form, *form, 10, 10, 158, 62);
    box->Caption = "設定";
    box->Font->Height = 12;
    box->Font->Color = clWhite;
    ShowAndWait(*form);

    QWidget& widget = WidgetFor(*box);
    const QImage image = widget.grab().toImage();
    const int middle = QFontMetrics(widget.font()).height() / 2;
    const QColor navy(0, 0, 128);
    EXPECT_NE(image.pixelColor(150, middle), navy);      // the line, right of the caption
    EXPECT_EQ(image.pixelColor(150, middle + 6), navy);  // nothing under it
    EXPECT_NE(image.pixelColor(0, 40), navy);            // the left side of the frame
}

}  // namespace
}  // namespace vcl::qt::test
