// Flood fill of the document picture.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace glyphsmith {

// Paints `fillColor` over the area of pixels that have exactly the colour of
// `seed` and reach it through left, right, upper and lower neighbours, never
// leaving `bounds` (cut to the picture). Returns the number of pixels painted:
// 0 when the seed lies outside the bounds or already has the fill colour.
// The picture must be in a 32-bit format; alpha takes part in the comparison
// as the pixels carry it.
int floodFill(QImage &picture, QPoint seed, QRgb fillColor, const QRect &bounds);

}  // namespace glyphsmith
