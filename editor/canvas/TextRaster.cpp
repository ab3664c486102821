#include "canvas/TextRaster.h"

#include <QFontMetrics>
#include <QPainter>

namespace glyphsmith {

void drawTextOnPicture(QImage &picture, QPoint topLeft, const QString &text, const QFont &font,
                       QRgb color) {
    if (text.isEmpty() || picture.isNull()) {
        return;
    }
    QFont sharp = font;
    sharp.setStyleStrategy(QFont::NoAntialias);
    sharp.setHintingPreference(QFont::PreferFullHinting);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(sharp);
    p.setPen(QColor::fromRgb(color | 0xFF000000));
    p.setBackgroundMode(Qt::TransparentMode);
    const int ascent = p.fontMetrics().ascent();
    p.drawText(QPoint(topLeft.x(), topLeft.y() + ascent), text);
}

}  // namespace glyphsmith
