// The shapes the drawing tools put into the document picture, one picture
// pixel per logo pixel. Nothing is smoothed: every pixel drawn is exactly the
// colour given, and parts that fall outside the picture are cut off. Lines and
// ellipses choose their pixels symmetrically about their ends and centre.
#pragma once

#include <QImage>
#include <QPoint>
#include <functional>
#include <optional>

namespace glyphsmith {

// The pixels of a one-pixel line from `from` to `to`, both ends included:
// one pixel per step along the longer axis, each within half a pixel of the
// ideal line, 8-connected, the same set in both directions. Ends further
// than 4096 pixels away give none.
void forEachLinePixel(QPoint from, QPoint to, const std::function<void(QPoint)> &visit);

// The pixels of forEachLinePixel that lie in the picture, in `color`.
void drawLine(QImage &picture, QPoint from, QPoint to, QRgb color);

// The one-pixel outline of the rectangle with opposite corners `a` and `b`,
// both corner pixels included (the corners may come in any order).
void drawBoxOutline(QImage &picture, QPoint a, QPoint b, QRgb color);

// The rectangle with opposite corners `a` and `b` filled, both included.
void fillBox(QImage &picture, QPoint a, QPoint b, QRgb color);

// Radii of an ellipse in picture pixels.
struct EllipseRadii {
    double horizontal = 0.0;
    double vertical = 0.0;
};

// The circle rule of the ellipse tools: `radius` is the horizontal radius when
// `aspect` (vertical / horizontal) is below 1, and the vertical one otherwise;
// the other radius follows from the aspect. Nothing for an aspect that is not
// a finite number >= 0 or a radius below 0.
std::optional<EllipseRadii> circleRuleRadii(double radius, double aspect);

// Whether pixel (x, y) belongs to the ellipse around pixel `centre`: in its
// row it lies within the curve's crossing rounded to the nearest pixel, or in
// its column likewise (halves toward the centre). These are the pixels
// nearest the curve; a circle comes out as the midpoint rule draws it. A
// vertical radius of 0 makes the ellipse the single row through the centre.
// The set is symmetric about the centre.
bool ellipseContains(QPoint centre, EllipseRadii radii, int x, int y);

// The ellipse around pixel `centre`: its one-pixel outline (the pixels of the
// ellipse with a left, right, upper or lower neighbour outside it) in
// `outline`, and, when `fill` is given, the other pixels in that colour.
void drawEllipse(QImage &picture, QPoint centre, EllipseRadii radii, QRgb outline,
                 std::optional<QRgb> fill = std::nullopt);

}  // namespace glyphsmith
