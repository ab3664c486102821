#include "canvas/ZoomView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "canvas/LogoDocument.h"
#include "canvas/MouseCodes.h"

namespace glyphsmith {

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
    emit mouseDown(mouseButtonCode(event->button()), mouseShiftCode(event->modifiers()), pos.x(), pos.y());
}

void ZoomView::mouseMoveEvent(QMouseEvent *event) {
    const QPointF pos = event->position();
    emit mouseMove(mouseButtonCode(event->buttons()), mouseShiftCode(event->modifiers()), pos.x(), pos.y());
}

void ZoomView::mouseReleaseEvent(QMouseEvent *event) {
    const QPointF pos = event->position();
    emit mouseUp(mouseButtonCode(event->button()), mouseShiftCode(event->modifiers()), pos.x(), pos.y());
}

void ZoomView::keyPressEvent(QKeyEvent *event) {
    emit keyDown(keyCodeOf(event->key()), mouseShiftCode(event->modifiers()));
    QWidget::keyPressEvent(event);
}

}  // namespace glyphsmith
