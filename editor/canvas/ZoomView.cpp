#include "canvas/ZoomView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "document/LogoDocument.h"

namespace glyphsmith {

ZoomView::ZoomView(const LogoDocument *document, QWidget *parent)
    : QWidget(parent), document_(document) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ZoomView::paintEvent(QPaintEvent *event) {
    QPainter p(this);
    p.drawImage(event->rect().topLeft(), document_->view(), event->rect());
}

void ZoomView::mousePressEvent(QMouseEvent *event) {
    emit mouseDown(event->button(), event->modifiers(), event->position());
}

void ZoomView::mouseMoveEvent(QMouseEvent *event) {
    emit mouseMove(event->buttons(), event->modifiers(), event->position());
}

void ZoomView::mouseReleaseEvent(QMouseEvent *event) {
    emit mouseUp(event->button(), event->modifiers(), event->position());
}

void ZoomView::keyPressEvent(QKeyEvent *event) {
    emit keyDown(event->key(), event->modifiers());
    QWidget::keyPressEvent(event);
}

}  // namespace glyphsmith
