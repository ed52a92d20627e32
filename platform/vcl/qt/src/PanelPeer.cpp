#include <QPainter>

#include "Convert.h"
#include "Frame3D.h"
#include "MouseInput.h"
#include "Peers.h"

namespace vcl::qt {

namespace {

Qt::Alignment CaptionAlignment(TAlignment alignment) {
    switch (alignment) {
        case taLeftJustify:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case taRightJustify:
            return Qt::AlignRight | Qt::AlignVCenter;
        case taCenter:
            break;
    }
    return Qt::AlignCenter;
}

// Border outermost, then the outer bevel, then the inner one; each one pixel wide.
class PanelWidget : public ReportsMouse<QWidget> {
  public:
    PanelWidget(TPanel& panel, QWidget& parent) : ReportsMouse(panel, &parent), panel_(panel) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QRect area = rect();
        painter.fillRect(area, ToQColor(panel_.EffectiveColor()));
        if (panel_.BorderStyle == bsSingle) {
            DrawFrame3D(painter, area, kWindowFrame, kWindowFrame);
            area.adjust(1, 1, -1, -1);
        }
        for (TPanelBevel bevel : {panel_.BevelOuter(), panel_.BevelInner()}) {
            if (bevel == bvNone) continue;
            if (bevel == bvRaised) {
                DrawRaised(painter, area);
            } else {
                DrawLowered(painter, area);
            }
            area.adjust(1, 1, -1, -1);
        }
        if (!panel_.Caption().empty()) {
            painter.setFont(ToQFont(panel_.EffectiveFont()));
            painter.setPen(ToQColor(panel_.EffectiveFont().Color));
            painter.drawText(area, CaptionAlignment(panel_.Alignment), ToQString(panel_.Caption));
        }
    }

  private:
    TPanel& panel_;
};

}  // namespace

std::unique_ptr<WidgetPeer> MakePanelPeer(TPanel& panel, QWidget& parent) {
    return std::make_unique<PaintedPeer>(panel, new PanelWidget(panel, parent));
}

}  // namespace vcl::qt
