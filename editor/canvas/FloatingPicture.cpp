#include "canvas/FloatingPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace glyphsmith {

FloatingPicture::FloatingPicture(QWidget *parent) : QWidget(parent) {
    setMouseTracking(true);
}

void FloatingPicture::setPicture(const QImage &picture) {
    picture_ = picture;
    update();
}

void FloatingPicture::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (!picture_.isNull()) {
        p.drawImage(0, 0, picture_);
    }
}

void FloatingPicture::mousePressEvent(QMouseEvent *event) {
    emit mouseDown(event->button(), event->modifiers(), event->position());
}

void FloatingPicture::mouseMoveEvent(QMouseEvent *event) {
    emit mouseMove(event->buttons(), event->modifiers(), event->position());
}

void FloatingPicture::mouseReleaseEvent(QMouseEvent *event) {
    emit mouseUp(event->button(), event->modifiers(), event->position());
}

}  // namespace glyphsmith
