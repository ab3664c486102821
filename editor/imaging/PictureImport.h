// A picture of any size turned into logo pixels: brought to the logo's size,
// reduced to grey levels, thresholded or dithered, and optionally inverted.
#pragma once

#include <QImage>
#include <QSize>

#include "imaging/Dithering.h"
#include "imaging/LogoBitmap.h"
#include "imaging/PictureFit.h"

namespace glyphsmith {

struct ImportOptions {
    FitMode fit = FitMode::Fit;
    int threshold = 128;  // see Dithering.h
    DitherMode dither = DitherMode::FloydSteinberg;
    bool invert = false;  // set and clear swapped at the end
};

// A `logoSize` bitmap; a null picture or an empty size gives an empty one.
LogoBitmap importPicture(const QImage &picture, QSize logoSize, const ImportOptions &options);

}  // namespace glyphsmith
