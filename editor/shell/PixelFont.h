// The phone display's own lettering: a 5 x 7 pixel font for digits, ":" and
// the few letters the display shows. Glyphs are drawn one screen pixel per
// font pixel, without smoothing.
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>

class QPainter;

namespace glyphsmith {

class PixelFont {
public:
    static constexpr int kHeight = 7;
    static constexpr int kSpacing = 1;

    // Width in pixels of `text` as drawText draws it (unknown characters are
    // as wide as a space).
    static int textWidth(const QString &text);
    // Draws `text` with its top-left corner at `topLeft`, `scale` screen
    // pixels per font pixel.
    static void drawText(QPainter &p, QPoint topLeft, const QString &text, const QColor &color,
                         int scale = 1);
};

}  // namespace glyphsmith
