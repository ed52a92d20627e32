// Real mouse input through Qt's window system to key-like panels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QtTestSupport.h"

namespace vcl::qt::test {
namespace {

std::string Describe(const std::string& name, const char* what, TMouseButton button,
                     const TShiftState& shift, int x, int y) {
    const char* buttonName = button == mbLeft ? "left" : button == mbRight ? "right" : "middle";
    return name + " " + what + " " + buttonName + (shift.contains(ssDouble) ? " double" : "") +
           " " + std::to_string(x) + "," + std::to_string(y);
}

// A white key at x 0 and a black key created after it, over its right half.
class KeyPanels : public testing::Test {
  protected:
    void SetUp() override {
        form = MakeForm(120, 100);
        white = MakeKey("white", 0, 21, 91, clWhite);
        black = MakeKey("black", 10, 21, 51, clBlack);
        ShowAndWait(*form);
    }

    TPanel* MakeKey(const std::string& name, int left, int width, int height, TColor color) {
        auto* key = Place<TPanel>(*form, *form, left, 0, width, height);
        key->Color = color;
        key->BorderStyle = bsSingle;
        key->BevelOuter = bvNone;
        key->BevelInner = bvRaised;
        key->Cursor = crUpArrow;
        key->OnMouseDown = [this, name](TObject*, TMouseButton b, TShiftState s, int x, int y) {
            log.push_back(Describe(name, "down", b, s, x, y));
        };
        key->OnMouseUp = [this, name](TObject*, TMouseButton b, TShiftState s, int x, int y) {
            log.push_back(Describe(name, "up", b, s, x, y));
        };
        return key;
    }

    QWindow* Window() const { return WindowHandleOf(*form); }
    QPoint At(int x, int y) const { return InWindow(*form, {x, y}); }

    std::unique_ptr<TForm> form;
    TPanel* white = nullptr;
    TPanel* black = nullptr;
    std::vector<std::string> log;
};

TEST_F(KeyPanels, PressWhereKeysOverlapBelongsToTheLaterKeyOnly) {
    QTest::mouseClick(Window(), Qt::LeftButton, {}, At(15, 20));
    QTest::mouseClick(Window(), Qt::LeftButton, {}, At(5, 70));
    EXPECT_EQ(log, (std::vector<std::string>{"black down left 5,20", "black up left 5,20",
                                             "white down left 5,70", "white up left 5,70"}));
}

TEST_F(KeyPanels, ReleaseAfterDraggingOffGoesToThePressedKey) {
    QTest::mousePress(Window(), Qt::LeftButton, {}, At(5, 80));
    QTest::mouseMove(Window(), At(100, 90));
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, At(100, 90));
    EXPECT_EQ(log, (std::vector<std::string>{"white down left 5,80", "white up left 100,90"}));
}

TEST_F(KeyPanels, OtherButtonsArriveAsThemselves) {
    QTest::mouseClick(Window(), Qt::RightButton, {}, At(5, 80));
    QTest::mouseClick(Window(), Qt::MiddleButton, {}, At(20, 10));
    EXPECT_EQ(log, (std::vector<std::string>{"white down right 5,80", "white up right 5,80",
                                             "black down middle 10,10", "black up middle 10,10"}));
}

TEST_F(KeyPanels, DoubleClickIsTwoPressesTheSecondMarkedDouble) {
    QTest::mouseDClick(Window(), Qt::LeftButton, {}, At(5, 80));
    EXPECT_EQ(log, (std::vector<std::string>{"white down left 5,80", "white up left 5,80",
                                             "white down left double 5,80", "white up left 5,80"}));
}

TEST_F(KeyPanels, KeysShowTheUpArrowCursor) {
    EXPECT_EQ(WidgetFor(*white).cursor().shape(), Qt::UpArrowCursor);
    EXPECT_EQ(WidgetFor(*black).cursor().shape(), Qt::UpArrowCursor);
}

}  // namespace
}  // namespace vcl::qt::test
