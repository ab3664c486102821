#include "canvas/PictureClip.h"

#include <QPainter>

namespace glyphsmith {

QImage PictureClip::Clip(QRgb outside) const {
    // a selection is never larger than the view; refuse absurd sizes
    constexpr int kLargest = 4096;
    if (ClipWidth < 1 || ClipHeight < 1 || ClipWidth > kLargest || ClipHeight > kLargest) {
        return QImage();
    }
    QImage out(ClipWidth, ClipHeight, QImage::Format_RGB32);
    out.fill(outside | 0xFF000000);
    if (!picture_.isNull()) {
        QPainter p(&out);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(0, 0), picture_, QRect(ClipX, ClipY, ClipWidth, ClipHeight));
    }
    return out;
}

}  // namespace glyphsmith
