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
    const int w = std::max(1, int(std::lround(picture.width() * scale)));
    const int h = std::max(1, int(std::lround(picture.height() * scale)));
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
    // QImage::scaled with smooth transformation averages over the source
    // area, so large pictures shrink without aliasing
    const QImage scaled =
        picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
            .scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter p(&out);
    p.drawImage(target.topLeft(), scaled);
    return out;
}

}  // namespace glyphsmith
