// Text drawn into the document picture.
#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

namespace glyphsmith {

// Draws `text` in `font` and `color` with the top-left corner of its first
// character cell (the top of the font's ascent) on pixel `topLeft`. The
// background stays as it is and the strokes are not smoothed, so every pixel
// drawn is exactly `color`. Only the picture's edges cut the text.
void drawTextOnPicture(QImage &picture, QPoint topLeft, const QString &text, const QFont &font,
                       QRgb color);

}  // namespace glyphsmith
