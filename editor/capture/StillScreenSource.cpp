#include "capture/StillScreenSource.h"

#include <QPainter>
#include <algorithm>
#include <utility>

namespace glyphsmith {

StillScreenSource::StillScreenSource(QImage still)
    : still_(std::move(still).convertToFormat(QImage::Format_RGB32)) {}

QImage StillScreenSource::grab(const QRect &region) const {
    if (still_.isNull() || region.isEmpty()) {
        return {};
    }
    QImage out(region.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.drawImage(QPoint(0, 0), still_, region);
    return out;
}

void StillScreenSource::setAnchor(QPoint point) {
    anchor_ = QPoint(std::clamp(point.x(), 0, std::max(0, still_.width() - 1)),
                     std::clamp(point.y(), 0, std::max(0, still_.height() - 1)));
}

}  // namespace glyphsmith
