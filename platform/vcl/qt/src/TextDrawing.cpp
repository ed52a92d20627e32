#include "TextDrawing.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "Convert.h"

namespace vcl::qt {

TRect DrawTextOnImage(Image& image, int x, int y, const std::string& text, const TFont& font,
                      const TBrush& brush) {
    QFont face = ToQFont(font);
    // Every pixel is either drawn in the text colour or left alone, as on a classic canvas.
    face.setStyleStrategy(QFont::NoAntialias);
    const QString shown = ToQString(text);
    const QFontMetrics metrics(face);
    const TRect cell{x, y, x + metrics.horizontalAdvance(shown), y + metrics.height()};
    if (image.Width <= 0 || image.Height <= 0) return cell;

    QImage target(reinterpret_cast<uchar*>(image.Pixels.data()), image.Width, image.Height,
                  image.Width * 4, QImage::Format_ARGB32);
    QPainter painter(&target);
    const QRect area(cell.Left, cell.Top, cell.Right - cell.Left, cell.Bottom - cell.Top);
    if (brush.Style == bsSolid) painter.fillRect(area, ToQColor(brush.Color));
    painter.setFont(face);
    painter.setPen(ToQColor(font.Color));
    painter.drawText(QPoint(x, y + metrics.ascent()), shown);
    return cell;
}

}  // namespace vcl::qt
