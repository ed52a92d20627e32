#include <QPainter>

#include "Frame3D.h"
#include "Peers.h"

namespace vcl::qt {

namespace {

// A lowered bevel is sunk into its parent: shadow above and left, highlight below and right.
class BevelWidget : public QWidget {
  public:
    BevelWidget(TBevel& bevel, QWidget& parent) : QWidget(&parent), bevel_(bevel) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const bool lowered = bevel_.Style == bsLowered;
        const QColor first = lowered ? kShadow : kHighlight;
        const QColor second = lowered ? kHighlight : kShadow;
        const QRect area = rect();
        const int w = area.width();
        const int h = area.height();
        switch (bevel_.Shape) {
            case bsBox:
                DrawFrame3D(painter, area, first, second);
                break;
            case bsFrame:
                DrawFrame3D(painter, area.adjusted(0, 0, -1, -1), first, first);
                DrawFrame3D(painter, area.adjusted(1, 1, 0, 0), second, second);
                break;
            case bsTopLine:
                painter.fillRect(0, 0, w, 1, first);
                painter.fillRect(0, 1, w, 1, second);
                break;
            case bsBottomLine:
                painter.fillRect(0, h - 2, w, 1, first);
                painter.fillRect(0, h - 1, w, 1, second);
                break;
            case bsLeftLine:
                painter.fillRect(0, 0, 1, h, first);
                painter.fillRect(1, 0, 1, h, second);
                break;
            case bsRightLine:
                painter.fillRect(w - 2, 0, 1, h, first);
                painter.fillRect(w - 1, 0, 1, h, second);
                break;
        }
    }

  private:
    TBevel& bevel_;
};

class BevelPeer : public PaintedPeer {
  public:
    BevelPeer(TBevel& bevel, QWidget& parent)
        : PaintedPeer(bevel, new BevelWidget(bevel, parent)) {}

  protected:
    void ApplyLook() override {}  // drawn in the bevel colours only, over its parent
};

}  // namespace

std::unique_ptr<WidgetPeer> MakeBevelPeer(TBevel& bevel, QWidget& parent) {
    return std::make_unique<BevelPeer>(bevel, parent);
}

}  // namespace vcl::qt
