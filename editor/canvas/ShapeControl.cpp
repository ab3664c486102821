#include "canvas/ShapeControl.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "canvas/OverlayCoordinate.h"

namespace glyphsmith {

ShapeControl::ShapeControl(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    place();
}

void ShapeControl::setShape(int shape) {
    shape_ = shape;
    update();
}

void ShapeControl::setFillStyle(int style) {
    fillStyle_ = style;
    update();
}

void ShapeControl::setBorderStyle(int style) {
    borderStyle_ = style;
    update();
}

void ShapeControl::setBorderColor(const QColor &color) {
    borderColor_ = color;
    update();
}

void ShapeControl::setFillColor(const QColor &color) {
    fillColor_ = color;
    update();
}

void ShapeControl::setLeft(double left) {
    box_.moveLeft(heldOverlayCoordinate(left));
    place();
}

void ShapeControl::setTop(double top) {
    box_.moveTop(heldOverlayCoordinate(top));
    place();
}

void ShapeControl::setBoxWidth(double width) {
    box_.setWidth(std::max(heldOverlayCoordinate(width), 0.0));
    place();
}

void ShapeControl::setBoxHeight(double height) {
    box_.setHeight(std::max(heldOverlayCoordinate(height), 0.0));
    place();
}

void ShapeControl::setBox(const QRectF &box) {
    box_ = QRectF(heldOverlayCoordinate(box.left()), heldOverlayCoordinate(box.top()),
                  std::max(heldOverlayCoordinate(box.width()), 0.0),
                  std::max(heldOverlayCoordinate(box.height()), 0.0));
    place();
}

void ShapeControl::place() {
    // the outline lies on the box's edges, so the widget reaches one pixel
    // past its right and bottom edge
    const int x = static_cast<int>(std::floor(box_.left()));
    const int y = static_cast<int>(std::floor(box_.top()));
    const int right = static_cast<int>(std::ceil(box_.left() + box_.width()));
    const int bottom = static_cast<int>(std::ceil(box_.top() + box_.height()));
    setGeometry(x, y, right - x + 1, bottom - y + 1);
    update();
}

void ShapeControl::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF r(box_.left() - x(), box_.top() - y(), box_.width(), box_.height());
    p.setBrush(fillStyle_ == Solid ? QBrush(fillColor_) : QBrush(Qt::NoBrush));
    Qt::PenStyle style = Qt::SolidLine;
    if (borderStyle_ == BorderDot) {
        style = Qt::DotLine;
    } else if (borderStyle_ == BorderDashDot) {
        style = Qt::DashDotLine;
    }
    const auto draw = [&] {
        if (shape_ == Oval) {
            p.drawEllipse(r);
        } else {
            p.drawRect(r);
        }
    };
    if (style != Qt::SolidLine) {
        // a light line under the pattern keeps it visible over set pixels
        p.setPen(QPen(Qt::white, 1));
        draw();
        p.setBrush(Qt::NoBrush);
    }
    p.setPen(QPen(borderColor_, 1, style));
    draw();
}

}  // namespace glyphsmith
