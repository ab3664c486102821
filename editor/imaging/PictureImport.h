// A picture of any size turned into logo pixels: brought to the logo's size,
// reduced to grey levels, thresholded or dithered, and optionally inverted.
#pragma once

#include <QImage>
#include <QSize>

#include "imaging/Dithering.h"
#include "imaging/LogoBitmap.h"
#include "imaging/PictureFit.h"
#include "imaging/PictureOptions.h"

namespace glyphsmith {

// A `logoSize` bitmap; a null picture or an empty size gives an empty one.
LogoBitmap importPicture(const QImage &picture, QSize logoSize, const ImportOptions &options);

}  // namespace glyphsmith
