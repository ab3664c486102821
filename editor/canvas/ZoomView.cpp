#include "canvas/ZoomView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "canvas/LogoDocument.h"

namespace glyphsmith {

namespace {

qint16 buttonCode(Qt::MouseButtons buttons) {
    qint16 code = 0;
    if (buttons & Qt::LeftButton) {
        code |= 1;
    }
    if (buttons & Qt::RightButton) {
        code |= 2;
    }
    if (buttons & Qt::MiddleButton) {
        code |= 4;
    }
    return code;
}

qint16 shiftCode(Qt::KeyboardModifiers mods) {
    qint16 code = 0;
    if (mods & Qt::ShiftModifier) {
        code |= 1;
    }
    if (mods & Qt::ControlModifier) {
        code |= 2;
    }
    if (mods & Qt::AltModifier) {
        code |= 4;
    }
    return code;
}

}  // namespace

ZoomView::ZoomView(const LogoDocument *document, QWidget *parent)
    : QWidget(parent), document_(document) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

qint16 ZoomView::keyCodeOf(int qtKey) {
    if (qtKey == Qt::Key_Delete) {
        return 46;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return static_cast<qint16>(qtKey);
    }
    return 0;
}

void ZoomView::paintEvent(QPaintEvent *event) {
    QPainter p(this);
    p.drawImage(event->rect().topLeft(), document_->view(), event->rect());
}

void ZoomView::mousePressEvent(QMouseEvent *event) {
    const QPointF pos = event->position();
    emit mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), pos.x(), pos.y());
}

void ZoomView::mouseMoveEvent(QMouseEvent *event) {
    const QPointF pos = event->position();
    emit mouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), pos.x(), pos.y());
}

void ZoomView::mouseReleaseEvent(QMouseEvent *event) {
    const QPointF pos = event->position();
    emit mouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), pos.x(), pos.y());
}

void ZoomView::keyPressEvent(QKeyEvent *event) {
    emit keyDown(keyCodeOf(event->key()), shiftCode(event->modifiers()));
    QWidget::keyPressEvent(event);
}

}  // namespace glyphsmith
