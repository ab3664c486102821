#include "capture/ScreenSource.h"

namespace glyphsmith {

QRgb ScreenSource::colorAt(QPoint point) const {
    const QImage pixel = grab(QRect(point, QSize(1, 1)));
    return pixel.isNull() ? qRgb(0, 0, 0) : pixel.pixel(0, 0);
}

}  // namespace glyphsmith
