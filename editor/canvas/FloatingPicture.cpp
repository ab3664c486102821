#include "canvas/FloatingPicture.h"

#include <QMouseEvent>
#include <QPainter>

#include "canvas/MouseCodes.h"

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
    const QPointF pos = event->position();
    emit mouseDown(mouseButtonCode(event->button()), mouseShiftCode(event->modifiers()), pos.x(),
                   pos.y());
}

void FloatingPicture::mouseMoveEvent(QMouseEvent *event) {
    const QPointF pos = event->position();
    emit mouseMove(mouseButtonCode(event->buttons()), mouseShiftCode(event->modifiers()), pos.x(),
                   pos.y());
}

void FloatingPicture::mouseReleaseEvent(QMouseEvent *event) {
    const QPointF pos = event->position();
    emit mouseUp(mouseButtonCode(event->button()), mouseShiftCode(event->modifiers()), pos.x(),
                 pos.y());
}

}  // namespace glyphsmith
