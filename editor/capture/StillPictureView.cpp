#include "capture/StillPictureView.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace glyphsmith {

StillPictureView::StillPictureView(const QImage &still, QSize maxSize, QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("picStill"));
    setCursor(Qt::CrossCursor);
    if (!still.isNull()) {
        scale_ = std::min({1.0, double(maxSize.width()) / still.width(),
                           double(maxSize.height()) / still.height()});
        shown_ = still.scaled(std::max(1, int(still.width() * scale_)),
                              std::max(1, int(still.height() * scale_)), Qt::IgnoreAspectRatio,
                              Qt::SmoothTransformation);
    }
    setFixedSize(shown_.isNull() ? QSize(1, 1) : shown_.size());
}

void StillPictureView::setMarker(const QRect &box) {
    if (box != marker_) {
        marker_ = box;
        update();
    }
}

QPoint StillPictureView::toPicture(QPoint viewPoint) const {
    return {int(std::floor(viewPoint.x() / scale_)), int(std::floor(viewPoint.y() / scale_))};
}

void StillPictureView::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.drawImage(0, 0, shown_);
    if (marker_.isEmpty()) {
        return;
    }
    const QRect r(int(marker_.x() * scale_), int(marker_.y() * scale_),
                  std::max(3, int(marker_.width() * scale_)),
                  std::max(3, int(marker_.height() * scale_)));
    p.setPen(QPen(Qt::red, 1));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void StillPictureView::mousePressEvent(QMouseEvent *event) {
    emit placed(toPicture(event->position().toPoint()));
}

void StillPictureView::mouseMoveEvent(QMouseEvent *event) {
    if (event->buttons() & Qt::LeftButton) {
        emit placed(toPicture(event->position().toPoint()));
    }
}

}  // namespace glyphsmith
