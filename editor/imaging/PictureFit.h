// How a picture of any size is brought to a logo's size before it is turned
// into pixels. Sizes and rectangles are in pixels of the target (logo) area.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include "imaging/PictureOptions.h"

namespace glyphsmith {

// Where a picture of size `picture` lands in an area of size `box`. For Fill
// the rectangle may start left of or above the area. Empty sizes give an
// empty rectangle.
QRect fittedRect(QSize picture, QSize box, FitMode mode);

// The picture scaled (area-averaged) to fittedRect and drawn over white into
// a `box`-sized RGB32 image; transparent parts show white. A null picture
// or empty box gives a null image.
QImage fitPicture(const QImage &picture, QSize box, FitMode mode);

}  // namespace glyphsmith
