// The one-pixel frames of panels and bevels.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

namespace vcl::qt {

inline const QColor kHighlight{255, 255, 255};
inline const QColor kShadow{160, 160, 160};
inline const QColor kWindowFrame{100, 100, 100};

// Top and left edge in one colour, bottom and right in the other, drawn in that order.
void DrawFrame3D(QPainter& painter, const QRect& rect, QColor topLeft, QColor bottomRight);
void DrawRaised(QPainter& painter, const QRect& rect);
void DrawLowered(QPainter& painter, const QRect& rect);

}  // namespace vcl::qt
