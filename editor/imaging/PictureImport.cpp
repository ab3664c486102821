#include "imaging/PictureImport.h"

namespace glyphsmith {

LogoBitmap importPicture(const QImage &picture, QSize logoSize, const ImportOptions &options) {
    const QImage fitted = fitPicture(picture, logoSize, options.fit);
    if (fitted.isNull()) {
        return {};
    }
    LogoBitmap out = ditherGrey(greyLevels(fitted), options.dither, options.threshold);
    if (options.invert) {
        out.invert();
    }
    return out;
}

}  // namespace glyphsmith
