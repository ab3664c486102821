#include "canvas/LineControl.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "canvas/OverlayCoordinate.h"

namespace glyphsmith {

LineControl::LineControl(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setLine(QLineF());
}

void LineControl::setLine(const QLineF &line) {
    line_ = QLineF(heldOverlayCoordinate(line.x1()), heldOverlayCoordinate(line.y1()),
                   heldOverlayCoordinate(line.x2()), heldOverlayCoordinate(line.y2()));
    const int left = static_cast<int>(std::floor(std::min(line_.x1(), line_.x2())));
    const int top = static_cast<int>(std::floor(std::min(line_.y1(), line_.y2())));
    const int right = static_cast<int>(std::ceil(std::max(line_.x1(), line_.x2())));
    const int bottom = static_cast<int>(std::ceil(std::max(line_.y1(), line_.y2())));
    setGeometry(left, top, right - left + 1, bottom - top + 1);
    update();
}

void LineControl::setBorderColor(const QColor &color) {
    borderColor_ = color;
    update();
}

void LineControl::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(borderColor_, 1));
    p.drawLine(line_.translated(-x(), -y()));
}

}  // namespace glyphsmith
