#include "imaging/PictureFit.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace glyphsmith {

QRect fittedRect(QSize picture, QSize box, FitMode mode) {
    if (picture.isEmpty() || box.isEmpty()) {
        return {};
    }
    if (mode == FitMode::Stretch) {
        return {QPoint(0, 0), box};
    }
    const double sx = double(box.width()) / picture.width();
    const double sy = double(box.height()) / picture.height();
    const double scale = mode == FitMode::Fit ? std::min(sx, sy) : std::max(sx, sy);
    // A Fill of a very long picture overflows the box by far; the bound
    // keeps the sizes (and the centring below) within int.
    constexpr double kMaxSide = 1e8;
    const int w = std::max(1, int(std::lround(std::min(picture.width() * scale, kMaxSide))));
    const int h = std::max(1, int(std::lround(std::min(picture.height() * scale, kMaxSide))));
    // centred; for Fill the overflow is split evenly on both sides
    return {(box.width() - w) / 2, (box.height() - h) / 2, w, h};
}

QImage fitPicture(const QImage &picture, QSize box, FitMode mode) {
    const QRect target = fittedRect(picture.size(), box, mode);
    if (target.isEmpty()) {
        return {};
    }
    QImage out(box, QImage::Format_RGB32);
    out.fill(Qt::white);
    // Only the part of the picture that lands in the box is scaled: a Fill
    // of a long thin picture would otherwise make an intermediate image
    // many times the box's size.
    const QRect visible = target.intersected(QRect(QPoint(0, 0), box));
    const double sx = double(picture.width()) / target.width();
    const double sy = double(picture.height()) / target.height();
    const QRect source = QRectF((visible.x() - target.x()) * sx, (visible.y() - target.y()) * sy,
                                visible.width() * sx, visible.height() * sy)
                             .toAlignedRect()
                             .intersected(picture.rect());
    // QImage::scaled with smooth transformation averages over the source
    // area, so large pictures shrink without aliasing
    const QImage scaled =
        (source == picture.rect() ? picture : picture.copy(source))
            .convertToFormat(QImage::Format_ARGB32_Premultiplied)
            .scaled(visible.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter p(&out);
    p.drawImage(visible.topLeft(), scaled);
    return out;
}

}  // namespace glyphsmith
