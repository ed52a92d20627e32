#include "DesignStyle.h"

#include <qdrawutil.h>
#include <QFontMetrics>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

namespace vcl::qt {

namespace {

// Fusion with two changes the designs need: narrow button margins, and a group box whose caption
// interrupts the frame's top line at the left instead of standing above the frame.
class DesignStyle : public QProxyStyle {
  public:
    DesignStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_ButtonMargin) return 2;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || box == nullptr || box->text.isEmpty()) {
            return QProxyStyle::subControlRect(control, option, part, widget);
        }
        const QFontMetrics metrics = box->fontMetrics;
        const int captionHeight = metrics.height();
        switch (part) {
            case SC_GroupBoxFrame:
                return option->rect.adjusted(0, captionHeight / 2, 0, 0);
            case SC_GroupBoxLabel:
                return QRect(option->rect.left() + kCaptionIndent, option->rect.top(),
                             metrics.horizontalAdvance(box->text) + 2 * kCaptionPadding,
                             captionHeight);
            case SC_GroupBoxContents:
                return option->rect.adjusted(1, captionHeight, -1, -1);
            default:
                return QProxyStyle::subControlRect(control, option, part, widget);
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || box == nullptr || box->text.isEmpty()) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QRect label = subControlRect(control, option, SC_GroupBoxLabel, widget);
        painter->save();
        painter->setClipRegion(QRegion(option->rect).subtracted(label));
        // An etched line, as the designs' group boxes have.
        const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
        qDrawShadeRect(painter, frame, box->palette, true, 1, 0);
        painter->restore();
        proxy()->drawItemText(painter, label, Qt::AlignCenter, box->palette,
                              box->state & State_Enabled, box->text, QPalette::WindowText);
    }

  private:
    static constexpr int kCaptionIndent = 6;
    static constexpr int kCaptionPadding = 2;
};

}  // namespace

QStyle* MakeDesignStyle() {
    return new DesignStyle;
}

}  // namespace vcl::qt
