#include "DesignStyle.h"

#include <QProxyStyle>
#include <QStyleFactory>

namespace vcl::qt {

namespace {

class DesignStyle : public QProxyStyle {
  public:
    DesignStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_ButtonMargin) return 2;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

QStyle* MakeDesignStyle() {
    return new DesignStyle;
}

}  // namespace vcl::qt
