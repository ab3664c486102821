// Turning grey levels into set and clear logo pixels. Grey pictures are
// Format_Grayscale8, 0 black to 255 white; a darker pixel becomes a set one.
//
// `threshold` (0 to 256) is the grey level from which a pixel counts as light:
// without dithering a pixel is set when its grey is below it. The dithers
// work at mid-grey, so for them the threshold shifts every grey level by
// (128 - threshold) first: a higher threshold gives a darker result in every
// mode.
#pragma once

#include <QImage>

#include "imaging/LogoBitmap.h"
#include "imaging/PictureOptions.h"

namespace glyphsmith {

// The grey level of a colour: Qt's qGray weighting (11 red, 16 green, 5 blue
// over 32).
QImage greyLevels(const QImage &picture);

// Grey levels shifted by (128 - threshold), clamped to 0..255.
QImage shiftedForThreshold(const QImage &grey, int threshold);

// The logo pixels of a grey picture (same size) in the given mode. A null
// picture gives an empty bitmap.
LogoBitmap ditherGrey(const QImage &grey, DitherMode mode, int threshold);

// Atkinson's dither at the fixed threshold 128 over already shifted grey
// levels: each pixel's error (level plus carried error, minus 0 or 255)
// passes error / 8 (truncated) to the next two pixels on its row, to the
// pixel before, below and after it on the next row, and to the one two rows
// down. Rows run left to right.
LogoBitmap atkinsonDither(const QImage &grey);

}  // namespace glyphsmith
