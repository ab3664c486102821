#include "canvas/FrameBox.h"

#include <QPainter>

namespace glyphsmith {

FrameBox::FrameBox(const QColor &color, QWidget *parent) : QWidget(parent), color_(color) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void FrameBox::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setPen(color_);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace glyphsmith
