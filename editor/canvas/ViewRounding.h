// The two ways a zoomed-view coordinate (view pixels, 6 per logo pixel) turns
// into a logo pixel. They agree for every point inside the view; they differ
// left of and above it, where the mouse can go while a button is held.
#pragma once

#include <QPoint>
#include <QPointF>

namespace glyphsmith {

// The nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Values beyond +-1e6 are held there.
int roundHalfEven(double value);

// Pencil, eraser and the status text: the largest whole number not above
// value / 6 (-3 gives -1).
int viewToLogoFloor(double viewCoordinate);

// Fill, text and the ends of lines, boxes, ellipses and selections: the value
// rounded half to even, then divided by 6 truncating toward zero (-3 and -5
// give 0, -6 gives -1).
int viewToLogoRounded(double viewCoordinate);
// Both coordinates of a view point by viewToLogoRounded.
QPoint logoPointRounded(QPointF view);

}  // namespace glyphsmith
