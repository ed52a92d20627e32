#include "Frame3D.h"

namespace vcl::qt {

void DrawFrame3D(QPainter& painter, const QRect& rect, QColor topLeft, QColor bottomRight) {
    if (rect.isEmpty()) return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
}

void DrawRaised(QPainter& painter, const QRect& rect) {
    DrawFrame3D(painter, rect, kHighlight, kShadow);
}

void DrawLowered(QPainter& painter, const QRect& rect) {
    DrawFrame3D(painter, rect, kShadow, kHighlight);
}

}  // namespace vcl::qt
